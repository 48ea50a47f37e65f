#include "numbertools/FactorFinders.h"

#include "numbertools/UnitGetFactors.h"
#include "ui/Conversions.h"

#include <algorithm>

namespace tv {

QString primeFactorsText(std::int32_t n)
{
    QString text;
    auto append = [&text](std::int64_t p) {
        if (!text.isEmpty())
            text += QStringLiteral(", ");
        text += QString::number(p);
    };
    // Dividing out each factor as it is found leaves only primes to divide;
    // once p*p exceeds the cofactor, what remains is a prime itself.
    std::int64_t c = n;
    for (std::int64_t p = 2; p * p <= c; p += (p == 2 ? 1 : 2)) {
        while (c % p == 0) {
            append(p);
            c /= p;
        }
    }
    if (c > 1)
        append(c);
    return text;
}

QString primeFactoringResult(const QString& entry)
{
    if (entry.size() > PrimeFactoringMaxLength)
        return PrimeFactoringTooBig;
    return primeFactorsText(strToInt(entry));
}

namespace {

std::int32_t smallestPrimeFactor(std::int32_t n)
{
    for (std::int32_t p = 2; std::int64_t(p) * p <= n; ++p)
        if (n % p == 0)
            return p;
    return n;
}

} // namespace

std::vector<FactorTreeNode> factorTree(std::int32_t n, const QRect& area, const QSize& nodeSize)
{
    if (n < 2)
        return {};
    // The composites down the right-hand side; the last one is a prime.
    std::vector<std::int32_t> spine{n};
    while (smallestPrimeFactor(spine.back()) != spine.back())
        spine.push_back(spine.back() / smallestPrimeFactor(spine.back()));
    const int splits = int(spine.size()) - 1;

    // Row d holds the prime split off at depth d and the cofactor, 2*dx
    // apart; each cofactor stands dx right of its parent. So the tree spans
    // (splits + 1) * dx plus one box across and splits * dy plus one box down.
    const int gap = 4;
    const int w = nodeSize.width(), h = nodeSize.height();
    const int dx = splits == 0 ? 0 : std::min((area.width() - w) / (splits + 1), w);
    const int dy = splits == 0 ? 0 : std::min((area.height() - h) / splits, 2 * h);
    if (w > area.width() || h > area.height() || (splits > 0 && (2 * dx < w + gap || dy < h + gap)))
        return {};
    const int spanX = (splits + 1) * dx + w, spanY = splits * dy + h;
    // The top box's left edge, so the whole span is centred.
    const int left = area.left() + (area.width() - spanX) / 2 + (splits > 0 ? dx : 0);
    const int top = area.top() + (area.height() - spanY) / 2;

    std::vector<FactorTreeNode> nodes;
    nodes.push_back({n, -1, QRect(left, top, w, h)});
    int parent = 0;
    for (int d = 1; d <= splits; ++d) {
        const QRect above = nodes[std::size_t(parent)].box;
        const std::int32_t cofactor = spine[std::size_t(d)];
        const std::int32_t prime = spine[std::size_t(d - 1)] / cofactor;
        nodes.push_back({prime, parent, above.translated(-dx, dy)});
        nodes.push_back({cofactor, parent, above.translated(dx, dy)});
        parent = int(nodes.size()) - 1;
    }
    return nodes;
}

AllFactors allFactors(std::int32_t n)
{
    APIntFactorArray f;
    GetFactors(n, f);
    QString list = QStringLiteral("1");
    list.reserve(static_cast<qsizetype>(f.size()) * 12);
    for (std::size_t i = 1; i < f.size(); ++i) {
        list += QStringLiteral(", ");
        list += QString::number(f[i]);
    }
    return {list, f[0] + 1};
}

} // namespace tv
