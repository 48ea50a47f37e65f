#include "grapher/ExprKernels.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

namespace tv::kernels {

namespace {

using u64 = std::uint64_t;
using u128 = unsigned __int128;

// ---- Constants (worked out once with exact rational arithmetic) --------------

constexpr long double kHalfPi1 = 0x3243f6a8885a3p-49L;  // 50 bits
constexpr long double kHalfPi2 = 0x234c4c6628b80p-103L;  // 50 bits
constexpr long double kHalfPi3 = 0xdc1cd129024e088ap-167L;
constexpr long double kTwoOverPi = 0xa2f9836e4e44152ap-64L;
constexpr long double kPiOver4 = 0xc90fdaa22168c235p-64L;
// 1/3!, -1/5!... : sin
constexpr long double kSin[] = {-0xaaaaaaaaaaaaaaabp-66L, 0x8888888888888889p-70L, -0xd00d00d00d00d00dp-76L, 0xb8ef1d2ab6399c7dp-82L, -0xd7322b3faa271c7fp-89L, 0xb092309d43684be5p-96L, -0xd73f9f399dc0f88fp-104L, 0xca963b81856a5359p-112L, -0x97a4da340a0ab926p-120L, 0xb8dc77b6e7ab8c5fp-129L};
constexpr long double kCos[] = {0xaaaaaaaaaaaaaaabp-68L, -0xb60b60b60b60b60bp-73L, 0xd00d00d00d00d00dp-79L, -0x93f27dbbc4fae397p-85L, 0x8f76c77fc6c4bdaap-92L, -0xc9cba54603e4e906p-100L, 0xd73f9f399dc0f88fp-108L, -0xb413c31dcbecbbdep-116L, 0xf2a15d201011283dp-125L, -0x8671cb6dbfc294a3p-133L};
constexpr long double kSinh[] = {0xaaaaaaaaaaaaaaabp-66L, 0x8888888888888889p-70L, 0xd00d00d00d00d00dp-76L, 0xb8ef1d2ab6399c7dp-82L, 0xd7322b3faa271c7fp-89L, 0xb092309d43684be5p-96L, 0xd73f9f399dc0f88fp-104L, 0xca963b81856a5359p-112L, 0x97a4da340a0ab926p-120L, 0xb8dc77b6e7ab8c5fp-129L};
constexpr long double kCosh[] = {0x8000000000000000p-64L, 0xaaaaaaaaaaaaaaabp-68L, 0xb60b60b60b60b60bp-73L, 0xd00d00d00d00d00dp-79L, 0x93f27dbbc4fae397p-85L, 0x8f76c77fc6c4bdaap-92L, 0xc9cba54603e4e906p-100L, 0xd73f9f399dc0f88fp-108L, 0xb413c31dcbecbbdep-116L, 0xf2a15d201011283dp-125L, 0x8671cb6dbfc294a3p-133L};
constexpr long double kExp[] = {0x8000000000000000p-64L, 0xaaaaaaaaaaaaaaabp-66L, 0xaaaaaaaaaaaaaaabp-68L, 0x8888888888888889p-70L, 0xb60b60b60b60b60bp-73L, 0xd00d00d00d00d00dp-76L};
constexpr long double kLn2By64Hi = 0xb17217f7d1p-46L;  // 40 bits
constexpr long double kLn2By64Lo = 0xcf79abc9e3b39804p-110L;
constexpr long double kSixtyFourOverLn2 = 0xb8aa3b295c17f0bcp-57L;
// 2^(j/64): rounded, and what rounding left out
constexpr long double kExp2Table[64][2] = {
    {0x8000000000000000p-63L, 0.0L},
    {0x8164d1f3bc030773p-63L, 0xf7caca4f7a29bde9p-128L},
    {0x82cd8698ac2ba1d7p-63L, 0xf8a91d6d19482ffdp-129L},
    {0x843a28c3acde4046p-63L, 0xd7c976509fe8ac10p-130L},
    {0x85aac367cc487b15p-63L, -0xe8da91cf7aacf938p-129L},
    {0x871f61969e8d1010p-63L, 0xe85c9f15ed4aa559p-129L},
    {0x88980e8092da8527p-63L, 0xbbf1aed9318ceac6p-128L},
    {0x8a14d575496efd9ap-63L, 0x80ca1d92c3680c22p-131L},
    {0x8b95c1e3ea8bd6e7p-63L, -0x8373af14eb586dfdp-132L},
    {0x8d1adf5b7e5ba9e6p-63L, -0x967096d2e37ca594p-128L},
    {0x8ea4398b45cd53c0p-63L, 0xb70051321e0f5317p-129L},
    {0x9031dc431466b1dcp-63L, 0xeeb02950929d0fc5p-128L},
    {0x91c3d373ab11c336p-63L, 0xfd6d8e0ae5ac9d82p-131L},
    {0x935a2b2f13e6e92cp-63L, -0xb319afc589b6c463p-129L},
    {0x94f4efa8fef70961p-63L, 0xba2beb4495477951p-129L},
    {0x96942d3720185a00p-63L, 0x91d536d07538458ap-128L},
    {0x9837f0518db8a96fp-63L, 0x8d5a46305c85ededp-128L},
    {0x99e0459320b7fa65p-63L, -0xde7bc9a65a501a8cp-130L},
    {0x9b8d39b9d54e5539p-63L, -0xbaafd0bab86781c2p-128L},
    {0x9d3ed9a72cffb751p-63L, -0x86dacc3ebc5993d4p-129L},
    {0x9ef5326091a111aep-63L, -0xbeddc1ec288c045dp-128L},
    {0xa0b0510fb9714fc2p-63L, 0xc96e3cf6d87ecd4cp-130L},
    {0xa27043030c496819p-63L, -0xc90bf620fe6042b1p-128L},
    {0xa43515ae09e6809ep-63L, 0xd1db4831781e1eecp-131L},
    {0xa5fed6a9b15138eap-63L, 0xe5ebfb10b88380d9p-130L},
    {0xa7cd93b4e965356ap-63L, -0xc2749655f8c11aa2p-128L},
    {0xa9a15ab4ea7c0ef8p-63L, 0xa83c49d86a63f4e6p-128L},
    {0xab7a39b5a93ed337p-63L, 0xcb004764eb3c00f3p-128L},
    {0xad583eea42a14ac6p-63L, 0x93015191eb345d89p-128L},
    {0xaf3b78ad690a4375p-63L, -0x8367bf8cd132bf35p-129L},
    {0xb123f581d2ac2590p-63L, -0xf05f902d25bd44e3p-128L},
    {0xb311c412a9112489p-63L, 0xfb3c5371e6294670p-129L},
    {0xb504f333f9de6484p-63L, 0xb2fb1366ea957d3ep-128L},
    {0xb6fd91e328d17791p-63L, 0xe2cbe1bbaa834b3fp-132L},
    {0xb8fbaf4762fb9ee9p-63L, 0xdc3cbbc2b35b2d0dp-130L},
    {0xbaff5ab2133e45fbp-63L, 0xe9aa33a48b270718p-128L},
    {0xbd08a39f580c36bfp-63L, -0xaefdc09325e0a10cp-128L},
    {0xbf1799b67a731083p-63L, -0xbf517aa1a07a3d7bp-130L},
    {0xc12c4cca66709456p-63L, 0xf88afab34a010f6bp-128L},
    {0xc346ccda24976407p-63L, 0x83b21584a2e0e90ap-129L},
    {0xc5672a115506daddp-63L, 0xf8ab432593767cdep-129L},
    {0xc78d74c8abb9b15dp-63L, -0xfb17471a24ff6207p-129L},
    {0xc9b9bd866e2f27a3p-63L, -0xfe3c0dabf5dd2d04p-128L},
    {0xcbec14fef2727c5dp-63L, -0xb6f8370ba1409231p-131L},
    {0xce248c151f8480e4p-63L, -0xee53e3835069c895p-130L},
    {0xd06333daef2b2595p-63L, -0xa4ae8e6a996cabf8p-129L},
    {0xd2a81d91f12ae45ap-63L, 0x912472be1ef20143p-130L},
    {0xd4f35aabcfedfa1fp-63L, 0xb243bdff4c4c58b5p-128L},
    {0xd744fccad69d6af4p-63L, 0xe69a2ee640b4ff78p-129L},
    {0xd99d15c278afd7b6p-63L, -0xbc6109ae0f6a2a20p-134L},
    {0xdbfbb797daf23755p-63L, 0xf610356a78a6a991p-129L},
    {0xde60f4825e0e9124p-63L, -0x8be174985ee65e9cp-129L},
    {0xe0ccdeec2a94e111p-63L, 0xcb12a091ba667944p-132L},
    {0xe33f8972be8a5a51p-63L, 0x9bfe90795980eecfp-131L},
    {0xe5b906e77c8348a8p-63L, 0xf2f47a5276dd8765p-130L},
    {0xe8396a503c4bdc68p-63L, 0xf22f21a158e18fbcp-128L},
    {0xeac0c6e7dd24392fp-63L, -0xbf4a29323e46ac15p-129L},
    {0xed4f301ed9942b84p-63L, 0xc01a5b6d4c97f624p-128L},
    {0xefe4b99bdcdaf5cbp-63L, 0x8cac39ed291b7226p-128L},
    {0xf281773c59ffb13ap-63L, -0xbb3fab19b85c2da7p-130L},
    {0xf5257d152486cc2cp-63L, 0xf73a18f5db301f87p-128L},
    {0xf7d0df730ad13bb9p-63L, -0xb795b494f8248a8bp-134L},
    {0xfa83b2db722a033ap-63L, 0xf84b762862baff99p-128L},
    {0xfd3e0c0cf486c175p-63L, -0xf5818b4d9c3e23fap-128L},
};

// The fraction bits of 2/pi, most significant first: enough for the window
// the reduction of the largest 80-bit number needs.
constexpr u64 kTwoOverPiBits[] = {
    0xa2f9836e4e441529ULL, 0xfc2757d1f534ddc0ULL, 0xdb6295993c439041ULL, 0xfe5163abdebbc561ULL,
    0xb7246e3a424dd2e0ULL, 0x06492eea09d1921cULL, 0xfe1deb1cb129a73eULL, 0xe88235f52ebb4484ULL,
    0xe99c7026b45f7e41ULL, 0x3991d639835339f4ULL, 0x9c845f8bbdf9283bULL, 0x1ff897ffde05980fULL,
    0xef2f118b5a0a6d1fULL, 0x6d367ecf27cb09b7ULL, 0x4f463f669e5fea2dULL, 0x7527bac7ebe5f17bULL,
    0x3d0739f78a5292eaULL, 0x6bfb5fb11f8d5d08ULL, 0x56033046fc7b6babULL, 0xf0cfbc209af4361dULL,
    0xa9e391615ee61b08ULL, 0x6599855f14a06840ULL, 0x8dffd8804d732731ULL, 0x06061556ca73a8c9ULL,
    0x60e27bc08c6b47c4ULL, 0x19c367cddce8092aULL, 0x8359c4768b961ca6ULL, 0xddaf44d15719053eULL,
    0xa5ff07053f7e33e8ULL, 0x32c2de4f98327dbbULL, 0xc33d26ef6b1e5ef8ULL, 0x9f3a1f35caf27f1dULL,
    0x87f121907c7c246aULL, 0xfa6ed5772d30433bULL, 0x15c614b59d19c3c2ULL, 0xc4ad414d2c5d000cULL,
    0x467d862d71e39ac6ULL, 0x9b0062337cd2b497ULL, 0xa7b4d55537f63ed7ULL, 0x1810a3fc764d2a9dULL,
    0x64abd770f87c6357ULL, 0xb07ae715175649c0ULL, 0xd9d63b3884a7cb23ULL, 0x24778ad623545ab9ULL,
    0x1f001b0af1dfce19ULL, 0xff319f6a1e666157ULL, 0x9947fbacd87f7eb7ULL, 0x652289e83260bfe6ULL,
    0xcdc4ef09366cd43fULL, 0x5dd7de16de3b5892ULL, 0x9bde2822d2e88628ULL, 0x4d58e232cac616e3ULL,
    0x08cb7de050c017a7ULL, 0x1df35be01834132eULL, 0x6212830148835b8eULL, 0xf57fb0adf2e91e43ULL,
    0x4a48d36710d8ddaaULL, 0x425faece616aa428ULL, 0x0ab499d3f2a6067fULL, 0x775c83c2a3883c61ULL,
    0x78738a5a8cafbdd7ULL, 0x6f63a62dcbbff4efULL, 0x818d67c12645ca55ULL, 0x36d9cad2a8288d61ULL,
    0xc277c9121426049bULL, 0x4612c459c444c5c8ULL, 0x91b24df31700ad43ULL, 0xd4e5492910d5fdfcULL,
    0xbe00cc941eeece70ULL, 0xf53e1380f1ecc3e7ULL, 0xb328f8c79405933eULL, 0x71c1b3092ef3450bULL,
    0x9c12887b20ab9fb5ULL, 0x2ec292472f327b6dULL, 0x550c90a7721fe76bULL, 0x96cb314a1679e279ULL,
    0x4189dff49794e884ULL, 0xe6e29731996bed88ULL, 0x365f5f0efdbbb49aULL, 0x486ca46742727132ULL,
    0x5d8db8159f09e5bcULL, 0x25318d3974f71c05ULL, 0x30010c0d68084b58ULL, 0xee2c90aa4702e774ULL,
    0x24d6bda67df77248ULL, 0x6eef169fa6948ef6ULL, 0x91b45153d1f20acfULL, 0x3398207e4bf56863ULL,
    0xb25f3edd035d407fULL, 0x8985295255c06437ULL, 0x10d86d324832754cULL, 0x5bd4714e6e5445c1ULL,
    0x090b69f52ad56614ULL, 0x9d072750045ddb3bULL, 0xb4c576ea17f9877dULL, 0x6b49ba271d296996ULL,
    0xacccc65414ad6ae2ULL, 0x9089d98850722cbeULL, 0xa4049407777030f3ULL, 0x27fc00a871ea49c2ULL,
    0x663de06483dd9797ULL, 0x3fa3fd94438c860dULL, 0xde41319d39928c70ULL, 0xdde7b7173bdf082bULL,
    0x3715a0805c93805aULL, 0x921110d8e80faf80ULL, 0x6c4bffdb0f903876ULL, 0x185915a562bbcb61ULL,
    0xb989c7bd401004f2ULL, 0xd2277549f6b6ebbbULL, 0x22dbaa140a2f2689ULL, 0x768364333b091a94ULL,
    0x0eaa3a51c2a31daeULL, 0xedaf12265c4dc26dULL, 0x9c7a2d9756c0833fULL, 0x03f6f0098c402b99ULL,
    0x316d07b43915200cULL, 0x5bc3d8c492f54badULL, 0xc6a5ca4ecd37a736ULL, 0xa9e69492ab6842ddULL,
    0xde6319ef8c76528bULL, 0x6837dbfcaba1ae31ULL, 0x15dfa1ae00dafb0cULL, 0x664d64b705ed3065ULL,
    0x29bf56573aff47b9ULL, 0xf96af3be75df9328ULL, 0x3080abf68c6615cbULL, 0x040622fa1de4d9a4ULL,
    0xb33d8f1b5709cd36ULL, 0xe9424ea4be13b523ULL, 0x331aaaf0a8654fa5ULL, 0xc1d20f3f0bcd785bULL,
    0x76f923048b7b7217ULL, 0x8953a6c6e26e6f00ULL, 0xebef584a9bb7dac4ULL, 0xba66aacfcf761d02ULL,
    0xd12df1b1c1998c77ULL, 0xadc3da4886a05df7ULL, 0xf480c62ff0ac9aecULL, 0xddbc5c3f6dded01fULL,
    0xc790b6db2a3a25a3ULL, 0x9aaf009353ad0457ULL, 0xb6b42d297e804ba7ULL, 0x07da0eaa76a1597bULL,
    0x2a12162db7dcfde5ULL, 0xfafedb89fdbe896cULL, 0x76e4fca90670803eULL, 0x156e85ff87fd073eULL,
    0x2833676186182aeaULL, 0xbd4dafe7b36e6d8fULL, 0x3967955bbf3148d7ULL, 0x8416df30432dc735ULL,
    0x6125ce70c9b8cb30ULL, 0xfd6cbfa200a4e46cULL, 0x05a0dd5a476f21d2ULL, 0x1262845cb9496170ULL,
    0xe0566b0152993755ULL, 0x50b7d51ec4f1335fULL, 0x6e13e4305da92e85ULL, 0xc3b21d3632a1a4b7ULL,
    0x08d4b1ea21f716e4ULL, 0x698f77ff2780030cULL, 0x2d408da0cd4f99a5ULL, 0x20d3a2b30a5d2f42ULL,
    0xf9b4cbda11d0be7dULL, 0xc1db9bbd17ab81a2ULL, 0xca5c6a0817552e55ULL, 0x0027f0147f8607e1ULL,
    0x640b148d4196debeULL, 0x872afddab6256b34ULL, 0x897bfef3059ebfb9ULL, 0x4f6a68a82a4a5ac4ULL,
    0x4fbcf82d985ad795ULL, 0xc7f48d4d0da63a20ULL, 0x5f57a4b13f149538ULL, 0x800120cc86dd71b6ULL,
    0xdec9f560bf11654dULL, 0x6b0701acb08cd0c0ULL, 0xb24855510efb1ec3ULL, 0x72953b06a33540c0ULL,
    0x7bdc06cc45e0fa29ULL, 0x4ec8cad641f3e8deULL, 0x647cd8649b31bed9ULL, 0xc397a4d45877c5e3ULL,
    0x6913daf03c3aba46ULL, 0x18465f7555f5bdd2ULL, 0xc6926e5d2eaced44ULL, 0x0e423e1c87c461e9ULL,
    0xfd29f3d6e7ca7c22ULL, 0x35916fc5e0088dd7ULL, 0xffe26a6ec6fdb0c1ULL, 0x0893745d7cb2ad6bULL,
    0x9d6ecd7b723e6a11ULL, 0xc6a9cff7df7329baULL, 0xc9b55100b70db2e2ULL, 0x24ba74607de58ad8ULL,
    0x742c150d0c188194ULL, 0x667e162901767a9fULL, 0xbefdfdef4556367eULL, 0xd913d9ecb9ba8bfcULL,
    0x97c427a831c36ef1ULL, 0x36c59456a8d8b5a8ULL, 0xb40ecccf2d891234ULL, 0x576f89562ce3ce99ULL,
    0xb920d6aa5e6b9c2aULL, 0x3ecc5f114a0bfdfbULL, 0xf4e16d3b8e2c86e2ULL, 0x84d4e9a9b4fcd1eeULL,
    0xefc9352e61392f44ULL, 0x2138c8d91b0afc81ULL, 0x6a4afbd81c2f84b4ULL, 0x538c994ecc2254dcULL,
    0x552ad6c6c096190bULL, 0xb8701a649569605aULL, 0x26ee523f0f117f11ULL, 0xb5f4f5cbfc2dbc34ULL,
    0xeebc34cc5de8605eULL, 0xdd9b8e67ef3392b8ULL, 0x17c99b5861bc57e1ULL, 0xc68351103ed84871ULL,
    0xdddd1c2da118af46ULL, 0x2c21d7f359987ad9ULL, 0xc0549efa864ffc06ULL, 0x56ae79e536228922ULL,
    0xad38dc9367aae855ULL, 0x3826829be7caa40dULL, 0x51b133990ed7a948ULL, 0x0569f0b265a7887fULL,
    0x974c8836d1f9b392ULL, 0x214a827b21cf98dcULL, 0x9f405547dc3a74e1ULL, 0x42eb67df9dfe5fd4ULL,
    0x5ea4677b7aacbaa2ULL, 0xf65523882b55ba41ULL, 0x086e59862a218347ULL, 0x39e6e389d49ee540ULL,
    0xfb49e956ffca0f1cULL, 0x8a59c52bfa94c5c1ULL, 0xd3cfc50fae5adb86ULL, 0xc5476243853b8621ULL,
    0x94792c8761107b4cULL, 0x2a1a2c8012bf4390ULL, 0x2688893c78e4c4a8ULL, 0x7bdbe5c23ac4eaf4ULL,
    0x268a67f7bf920d2bULL, 0xa365b1933d0b7cbdULL, 0xdc51a463dd27dde1ULL, 0x6919949a9529a828ULL,
    0xce68b4ed09209f44ULL, 0xca984e638270237cULL, 0x7e32b90f8ef5a7e7ULL, 0x561408f1212a9db5ULL,
    0x4d7e6f5119a5abf9ULL, 0xb5d6df8261dd9602ULL, 0x36169f3ac4a1a283ULL, 0x6ded727a8d39a9b8ULL,
    0x825c326b5b2746edULL, 0x34007700d255f4fcULL, 0x4d59018071e0e13fULL, 0x89b295f364a8f1aeULL,
    0xa74b38fc4ceab2bbULL, 0x47270babc3a734baULL,
};
constexpr int kTwoOverPiWords = int(sizeof kTwoOverPiBits / sizeof kTwoOverPiBits[0]);
// pi/2 as a 128-bit fraction: pi/2 = kHalfPiFixed * 2^-127.
constexpr u64 kHalfPiFixedHigh = 0xc90fdaa22168c234ULL;
constexpr u64 kHalfPiFixedLow = 0xc4c6628b80dc1cd1ULL;

constexpr long double kLargest = std::numeric_limits<long double>::max();
// Adding and taking away 1.5 * 2^63 rounds a real below 2^62 to a whole
// number, and leaves that number in the low bits of the sum's mantissa.
constexpr long double kRoundMagic = 0x1.8p63L;

// ---- Bits of an 80-bit real ----------------------------------------------------

struct Parts {
    u64 mantissa;       // with its explicit leading bit
    int exponent;       // unbiased: value = mantissa * 2^(exponent - 63)
    bool negative;
};
inline Parts partsOf(long double x)
{
    unsigned char bytes[sizeof(long double)];
    std::memcpy(bytes, &x, sizeof x);
    Parts p;
    std::memcpy(&p.mantissa, bytes, 8);
    std::uint16_t top;
    std::memcpy(&top, bytes + 8, 2);
    p.negative = (top & 0x8000) != 0;
    p.exponent = int(top & 0x7fff) - 16383;
    return p;
}
inline u64 mantissaOf(long double x)
{
    u64 m;
    std::memcpy(&m, &x, 8);
    return m;
}
// mantissa * 2^(exponent - 63) for a mantissa with its leading bit set and
// a result in the normal range.
inline long double fromParts(u64 mantissa, int exponent, bool negative)
{
    unsigned char bytes[sizeof(long double)] = {};
    std::memcpy(bytes, &mantissa, 8);
    const std::uint16_t top = std::uint16_t((exponent + 16383) | (negative ? 0x8000 : 0));
    std::memcpy(bytes + 8, &top, 2);
    long double x;
    std::memcpy(&x, bytes, sizeof x);
    return x;
}
// 2^k for k in the normal range.
inline long double powerOfTwo(int k) { return fromParts(u64{1} << 63, k, false); }

// 2^k for |k| < 1023 by way of a double, which needs no 80-bit store.
inline long double smallPowerOfTwo(int k)
{
    const u64 bits = u64(k + 1023) << 52;
    double d;
    std::memcpy(&d, &bits, sizeof d);
    return d;
}

// x * 2^k with one rounding, also when the result is tiny or huge.
inline long double scale(long double x, int k)
{
    if (k > -1023 && k < 1023)
        return x * smallPowerOfTwo(k);
    if (k >= -16382 && k <= 16383)
        return x * powerOfTwo(k);
    const int half = k / 2;
    return x * powerOfTwo(half) * powerOfTwo(k - half);
}

// ---- Exact sums and products -------------------------------------------------

// a + b = s + e exactly.
inline void twoSum(long double a, long double b, long double& s, long double& e)
{
    s = a + b;
    const long double bb = s - a;
    e = (a - (s - bb)) + (b - bb);
}
// a * b = p + e exactly (no overflow or underflow).
inline void twoProduct(long double a, long double b, long double& p, long double& e)
{
    constexpr long double kSplit = 4294967297.0L;  // 2^32 + 1 halves a 64-bit mantissa
    const long double ca = kSplit * a;
    const long double ah = ca - (ca - a);
    const long double al = a - ah;
    const long double cb = kSplit * b;
    const long double bh = cb - (cb - b);
    const long double bl = b - bh;
    p = a * b;
    e = ((ah * bh - p) + ah * bl + al * bh) + al * bl;
}
// (ah + al) / (bh + bl), rounded once from a quotient good to well below
// half a unit.
inline long double divide(long double ah, long double al, long double bh, long double bl)
{
    const long double b = bh + bl;
    const long double q = (ah + al) / b;
    long double p, e;
    twoProduct(q, bh, p, e);
    const long double rest = (((ah - p) - e) + al) - q * bl;
    return q + rest / b;
}

// ---- Reduction by multiples of pi/2 ------------------------------------------

// Payne and Hanek's reduction, exact for every finite x: x * 2/pi is worked
// out in fixed point from the 256 bits of 2/pi that matter for x's exponent
// (the bits above only add multiples of 4 to the product).
int reduceLarge(long double x, long double& hi, long double& lo)
{
    const Parts px = partsOf(x);
    const int e = px.exponent;
    // First bit of 2/pi taken (1 = the bit worth 1/2).
    const int first = e - 64 >= 1 ? e - 64 : 1;
    const int shift = 63 + first + 255 - e;  // P * 2^-shift = x * window
    const int bitOffset = first - 1;
    const int word = bitOffset / 64;
    const int bit = bitOffset % 64;
    u64 window[4];  // most significant first
    for (int j = 0; j < 4; ++j) {
        const u64 a = word + j < kTwoOverPiWords ? kTwoOverPiBits[word + j] : 0;
        const u64 b = word + j + 1 < kTwoOverPiWords ? kTwoOverPiBits[word + j + 1] : 0;
        window[j] = bit == 0 ? a : (a << bit) | (b >> (64 - bit));
    }
    // P = mantissa * window: five words, least significant first.
    u64 p[5];
    u128 carry = 0;
    for (int j = 3; j >= 0; --j) {
        const u128 t = u128(px.mantissa) * window[j] + carry;
        p[3 - j] = u64(t);
        carry = t >> 64;
    }
    p[4] = u64(carry);
    auto bitAt = [&](int k) -> unsigned {
        return k >= 320 ? 0u : unsigned(p[k / 64] >> (k % 64)) & 1u;
    };
    int quadrant = int(bitAt(shift) | (bitAt(shift + 1) << 1));
    // Keep the fraction (bits below shift); round to the nearest quarter turn.
    for (int k = 0; k < 5; ++k) {
        const int low = k * 64;
        if (low >= shift)
            p[k] = 0;
        else if (shift - low < 64)
            p[k] &= (u64{1} << (shift - low)) - 1;
    }
    bool negative = false;
    if (bitAt(shift - 1)) {
        ++quadrant;
        negative = true;
        // 2^shift - fraction
        u64 borrow = 0;
        for (int k = 0; k < 5; ++k) {
            const u64 v = p[k];
            const u64 r = 0 - v - borrow;
            borrow = (v != 0 || borrow) ? 1 : 0;
            p[k] = r;
        }
        for (int k = 0; k < 5; ++k) {
            const int low = k * 64;
            if (low >= shift)
                p[k] = 0;
            else if (shift - low < 64)
                p[k] &= (u64{1} << (shift - low)) - 1;
        }
    }
    quadrant &= 3;
    if (px.negative) {
        negative = !negative;
        quadrant = (4 - quadrant) & 3;
    }
    // Leading 128 bits of the fraction.
    int top = 4;
    while (top >= 0 && p[top] == 0)
        --top;
    if (top < 0) {
        hi = lo = 0;
        return quadrant;
    }
    const int lead = 63 - __builtin_clzll(p[top]);
    const int h = top * 64 + lead;  // highest set bit
    auto bitsFrom = [&](int k) -> u64 {  // the 64 bits k .. k+63
        if (k >= 0) {
            const int w = k / 64, b = k % 64;
            u64 v = p[w] >> b;
            if (b && w + 1 < 5)
                v |= p[w + 1] << (64 - b);
            return v;
        }
        if (k <= -64)
            return 0;
        return p[0] << -k;
    };
    const u64 fHigh = bitsFrom(h - 63);
    const u64 fLow = bitsFrom(h - 127);
    // fraction = (fHigh:fLow) * 2^(h - 127 - shift); times pi/2.
    const u128 a = u128(fHigh) * kHalfPiFixedHigh;
    const u128 b = u128(fHigh) * kHalfPiFixedLow;
    const u128 c = u128(fLow) * kHalfPiFixedHigh;
    const u128 d = u128(fLow) * kHalfPiFixedLow;
    // 256-bit sum, words least significant first.
    u64 q[4];
    u128 t = u128(u64(d));
    q[0] = u64(t);
    t = (t >> 64) + (d >> 64) + u64(b) + u64(c);
    q[1] = u64(t);
    t = (t >> 64) + (b >> 64) + (c >> 64) + u64(a);
    q[2] = u64(t);
    t = (t >> 64) + (a >> 64);
    q[3] = u64(t);
    // value = q * 2^(h - 127 - shift - 127)
    int exponent = h - 254 - shift;
    if (!(q[3] >> 63)) {  // normalise: the product lies in [2^254, 2^256)
        q[3] = (q[3] << 1) | (q[2] >> 63);
        q[2] = (q[2] << 1) | (q[1] >> 63);
        q[1] <<= 1;
        exponent -= 1;
    }
    // hi = q[3] * 2^(exponent + 192), lo = q[2] * 2^(exponent + 128)
    hi = fromParts(q[3], exponent + 192 + 63, negative);
    if (q[2] == 0) {
        lo = 0;
    } else {
        const int z = __builtin_clzll(q[2]);
        lo = fromParts(q[2] << z, exponent + 128 + 63 - z, negative);
    }
    return quadrant;
}

// Cody and Waite's reduction with pi/2 in three pieces, the first two short
// enough that their products with n are exact. Good for |x| < 2^13 unless x
// lies extremely close to a multiple of pi/2; then the exact reduction.
inline int reduce(long double x, long double& hi, long double& lo)
{
    const long double ax = std::fabs(x);
    if (ax <= kPiOver4) {
        hi = x;
        lo = 0;
        return 0;
    }
    if (ax < 8192) {
        const long double sum = x * kTwoOverPi + kRoundMagic;
        const int quadrant = int(mantissaOf(sum) & 3);
        const long double n = sum - kRoundMagic;
        const long double r1 = x - n * kHalfPi1;  // exact
        long double r2, e2;
        twoSum(r1, -(n * kHalfPi2), r2, e2);
        const long double r3 = n * kHalfPi3;
        long double s, e3;
        twoSum(r2, -r3, s, e3);
        // Pieces left out are below 2^-140 here; 2^-60 leaves 80 good bits.
        if (std::fabs(s) > 0x1p-60L) {
            const long double tail = e2 + e3;
            hi = s + tail;
            lo = tail - (hi - s);
            return quadrant;
        }
    }
    return reduceLarge(x, hi, lo);
}

// ---- Polynomials on [-pi/4, pi/4] --------------------------------------------

// sin(x + y) for |x| <= pi/4, |y| tiny: x + tail.
inline long double sinTail(long double x, long double y, long double z)
{
    // Estrin's scheme: the same terms, in fewer dependent steps.
    const long double z2 = z * z;
    const long double z4 = z2 * z2;
    const long double r = (kSin[1] + z * kSin[2]) + z2 * (kSin[3] + z * kSin[4]) +
                          z4 * ((kSin[5] + z * kSin[6]) + z2 * (kSin[7] + z * kSin[8]) +
                                z4 * kSin[9]);
    const long double v = z * x;
    return (v * kSin[0] + v * z * r) + y * (1 - 0.5L * z);
}
// cos(x + y) = w + tail.
inline void cosParts(long double x, long double y, long double z, long double& w,
                     long double& tail)
{
    const long double z2 = z * z;
    const long double z4 = z2 * z2;
    const long double r = (kCos[0] + z * kCos[1]) + z2 * (kCos[2] + z * kCos[3]) +
                          z4 * ((kCos[4] + z * kCos[5]) + z2 * (kCos[6] + z * kCos[7]) +
                                z4 * (kCos[8] + z * kCos[9]));
    const long double hz = 0.5L * z;
    w = 1 - hz;
    tail = ((1 - w) - hz) + (z2 * r - x * y);
}

// (e^r - 1 - r) / r^2 for |r| <= ln2/128, by Estrin's scheme.
inline long double expSeries(long double r)
{
    const long double r2 = r * r;
    return (kExp[0] + r * kExp[1]) + r2 * ((kExp[2] + r * kExp[3]) + r2 * (kExp[4] + r * kExp[5]));
}
// c[0] + c[1] z + ... + c[9] z^9 by Estrin's scheme.
inline long double series10(const long double* c, long double z)
{
    const long double z2 = z * z;
    const long double z4 = z2 * z2;
    const long double z8 = z4 * z4;
    return ((c[0] + z * c[1]) + z2 * (c[2] + z * c[3])) +
           z4 * ((c[4] + z * c[5]) + z2 * (c[6] + z * c[7])) + z8 * (c[8] + z * c[9]);
}

inline long double notANumber(long double x) { return x - x; }

} // namespace

int reduceHalfPi(long double x, long double& hi, long double& lo) { return reduce(x, hi, lo); }

long double sin(long double x)
{
    if (!(std::fabs(x) <= kLargest))
        return notANumber(x);
    if (std::fabs(x) < 0x1p-34L)
        return x;  // x^3/6 is far below half a unit (and -0 stays -0)
    long double hi, lo;
    const int n = reduce(x, hi, lo);
    const long double z = hi * hi;
    long double v;
    if (n & 1) {
        long double w, tail;
        cosParts(hi, lo, z, w, tail);
        v = w + tail;
    } else {
        v = hi + sinTail(hi, lo, z);
    }
    return n & 2 ? -v : v;
}

long double cos(long double x)
{
    if (!(std::fabs(x) <= kLargest))
        return notANumber(x);
    long double hi, lo;
    const int n = reduce(x, hi, lo);
    const long double z = hi * hi;
    long double v;
    if (n & 1) {
        v = hi + sinTail(hi, lo, z);
    } else {
        long double w, tail;
        cosParts(hi, lo, z, w, tail);
        v = w + tail;
    }
    return (n + 1) & 2 ? -v : v;
}

namespace {
// sin and cos of the reduced argument as unrounded pairs.
inline int sinCosPairs(long double x, long double& sh, long double& sl, long double& ch,
                       long double& cl)
{
    long double hi, lo;
    const int n = reduce(x, hi, lo);
    const long double z = hi * hi;
    sh = hi;
    sl = sinTail(hi, lo, z);
    cosParts(hi, lo, z, ch, cl);
    return n;
}
} // namespace

long double tan(long double x, bool* cosineZero)
{
    if (cosineZero)
        *cosineZero = false;
    if (!(std::fabs(x) <= kLargest))
        return notANumber(x);
    if (std::fabs(x) < 0x1p-40L)
        return x;  // x^3/3 is far below half a unit
    long double sh, sl, ch, cl;
    const int n = sinCosPairs(x, sh, sl, ch, cl);
    // cos(x) rounds to what cos() gives: ch + cl, or sh + sl turned a quarter.
    if (cosineZero)
        *cosineZero = (n & 1 ? sh + sl : ch + cl) == 0;
    return n & 1 ? -divide(ch, cl, sh, sl) : divide(sh, sl, ch, cl);
}

long double cot(long double x)
{
    if (!(std::fabs(x) <= kLargest))
        return notANumber(x);
    if (std::fabs(x) < 0x1p-40L)
        return 1 / x;  // x/3 is far below half a unit of 1/x
    long double sh, sl, ch, cl;
    const int n = sinCosPairs(x, sh, sl, ch, cl);
    return n & 1 ? -divide(sh, sl, ch, cl) : divide(ch, cl, sh, sl);
}

namespace {
// e^x * 2^extra: x = (64m + j) ln2/64 + r, e^x = 2^m * 2^(j/64) * e^r, with
// |r| <= ln2/128 and e^r - 1 from its series.
long double expScaled(long double x, int extra)
{
    if (std::isnan(x))
        return x;
    if (x > 11400)
        return std::numeric_limits<long double>::infinity();
    if (x < -11500)
        return 0;
    const long double sum = x * kSixtyFourOverLn2 + kRoundMagic;
    const long double k = sum - kRoundMagic;
    const auto kk = static_cast<std::int64_t>(mantissaOf(sum) - (u64{3} << 62));
    const int j = int(kk & 63);
    const int m = int((kk - j) / 64);
    const long double rHi = x - k * kLn2By64Hi;  // exact
    const long double r = rHi - k * kLn2By64Lo;
    const long double p = r + r * r * expSeries(r);
    const long double t = kExp2Table[j][0];
    const long double v = t + (kExp2Table[j][1] + t * p);
    return scale(v, m + extra);
}

// e^x = hi + lo unrounded, for |x| < 64 (no scaling can overflow).
void expPair(long double x, long double& hi, long double& lo)
{
    const long double sum = x * kSixtyFourOverLn2 + kRoundMagic;
    const long double k = sum - kRoundMagic;
    const auto kk = static_cast<std::int64_t>(mantissaOf(sum) - (u64{3} << 62));
    const int j = int(kk & 63);
    const int m = int((kk - j) / 64);
    const long double rHi = x - k * kLn2By64Hi;
    const long double r = rHi - k * kLn2By64Lo;
    const long double p = r + r * r * expSeries(r);
    const long double t = kExp2Table[j][0];
    const long double scaleBy = smallPowerOfTwo(m);
    hi = t * scaleBy;
    lo = (kExp2Table[j][1] + t * p) * scaleBy;
}
} // namespace

long double exp(long double x) { return expScaled(x, 0); }

long double sinh(long double x)
{
    const long double a = std::fabs(x);
    if (!(a <= kLargest))
        return x;  // NaN or the infinity itself
    if (a < 0x1p-34L)
        return x;
    long double v;
    if (a < 1) {
        const long double z = a * a;
        const long double r = series10(kSinh, z);
        v = a + a * z * r;
    } else if (a < 40) {
        // e^a - e^-a loses bits; e^a kept as an unrounded pair loses none.
        long double hi, lo;
        expPair(a, hi, lo);
        const long double inverse = divide(1, 0, hi, lo);
        v = 0.5L * (hi + (lo - inverse));
    } else {
        v = expScaled(a, -1);  // e^-a is below half a unit
    }
    return x < 0 ? -v : v;
}

long double cosh(long double x)
{
    const long double a = std::fabs(x);
    if (!(a <= kLargest))
        return a;
    if (a < 0.5L) {
        const long double z = a * a;
        const long double r = series10(kCosh + 1, z);
        return 1 + z * (kCosh[0] + z * r);
    }
    if (a < 40) {
        long double hi, lo;
        expPair(a, hi, lo);
        const long double inverse = divide(1, 0, hi, lo);
        return 0.5L * (hi + (lo + inverse));
    }
    return expScaled(a, -1);
}

} // namespace tv::kernels
