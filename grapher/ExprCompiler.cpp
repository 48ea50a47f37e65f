#include "grapher/ExprCompiler.h"

#include <array>
#include <cmath>
#include <cstdlib>
#include <deque>
#include <limits>
#include <locale.h>
#include <map>
#include <string>
#include <unordered_map>

#include "grapher/ExprRoutines.h"

namespace tv {

namespace {

constexpr int kInvalid = -1;
// Piece kind of "(" + valid term + ")"; it is never a term kind of its own
// because such an operand is stored without its brackets.
constexpr int kBracketed = 16;

constexpr int kMaxLevel = 20;
constexpr int kMaxPerLevel = 50;

constexpr long double kPi = 3.14159265358979323846264338327950288L;

constexpr std::uint32_t bit(int kind) { return std::uint32_t{1} << kind; }

constexpr std::uint32_t V = bit(tkVariable);
constexpr std::uint32_t N = bit(tkNumber);
constexpr std::uint32_t P = bit(kBracketed);
constexpr std::uint32_t NEG = bit(tkNegation);
constexpr std::uint32_t ADD = bit(tkAdd);
constexpr std::uint32_t SUB = bit(tkSubtract);
constexpr std::uint32_t MUL = bit(tkMultiply);
constexpr std::uint32_t DIVIDE = bit(tkDivide);
constexpr std::uint32_t MOD = bit(tkMod);
constexpr std::uint32_t DIV = bit(tkDiv);
constexpr std::uint32_t POW =
    bit(tkIntPower) | bit(tkRealPower) | bit(tkSquare) | bit(tkCube) | bit(tkFourthPower);
constexpr std::uint32_t FN = bit(tkFunction1) | bit(tkFunction2);

struct OperatorRule {
    QStringView text;
    int kind;  // tkRealPower stands for every power kind
    std::uint32_t left;
    std::uint32_t right;
};

// In the order they are tried. The masks decide grouping: "+" and "*" group
// to the right, "-" and "/" to the left, a chain of "^" needs brackets.
const std::array<OperatorRule, 7> kOperators{{
    {u"+", tkAdd, V | N | P | NEG | SUB | MUL | DIV | MOD | DIVIDE | POW | FN,
     V | N | P | ADD | SUB | MUL | DIV | MOD | DIVIDE | POW | FN},
    {u"-", tkSubtract, V | N | P | NEG | SUB | MUL | DIV | MOD | DIVIDE | POW | FN,
     V | N | P | MUL | DIV | MOD | DIVIDE | POW | FN},
    {u"*", tkMultiply, V | N | P | NEG | DIV | MOD | DIVIDE | POW | FN,
     V | N | P | MUL | DIV | MOD | DIVIDE | POW | FN},
    {u"DIV", tkDiv, V | N | P | NEG | DIV | MOD | DIVIDE | POW | FN, V | N | P | POW | FN},
    {u"MOD", tkMod, V | N | P | NEG | DIV | MOD | DIVIDE | POW | FN, V | N | P | POW | FN},
    {u"/", tkDivide, V | N | P | NEG | DIV | MOD | DIVIDE | POW | FN, V | N | P | POW | FN},
    {u"^", tkRealPower, V | N | P | FN, V | N | P | FN},
}};

bool isTwoOperandKind(int kind)
{
    return (kind >= tkAdd && kind <= tkFourthPower) || kind == tkFunction2;
}

// Names are letters, digits and "_"; anything else cannot be in a table.
bool mayBeName(QStringView s)
{
    if (s.isEmpty())
        return false;
    for (QChar ch : s) {
        const char16_t c = ch.unicode();
        if (!((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_'))
            return false;
    }
    return true;
}

template <typename Map>
auto findName(const Map& map, QStringView name) -> decltype(map.end())
{
    if (!mayBeName(name))
        return map.end();
    return map.find(name.toLatin1().toStdString());
}

locale_t cLocale()
{
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", locale_t{});
    return locale;
}

// What the rules make of one piece of text.
struct Classified {
    int kind = kInvalid;       // the first rule that fits
    int pieceKind = kInvalid;  // kind, or kBracketed for "(" + valid term + ")"
    QStringView operand1;      // negation operand, left piece, function argument
    QStringView operand2;      // right piece, second function argument
    TExprRoutine routine = nullptr;
    long double number = 0;
    bool literal = false;      // a number written with digits (not PI)
    // The pieces of the last split tried, for the syntax error message.
    bool tried = false;
    QStringView lastLeft;
    QStringView lastRight;
};


// Compile-time term node.
struct TermRecord {
    QStringView text;
    QString leftPiece = QStringLiteral(" ");
    QString rightPiece = QStringLiteral(" ");
    int kind = kInvalid;
    int level = 0;
    int position = 0;
    int side = 1;  // 1 = left or only operand, 2 = right operand
    std::unique_ptr<TermRecord> left;
    std::unique_ptr<TermRecord> right;
    TermRecord* parent = nullptr;
    // What the records are made from.
    long double number = 0;
    long double* variableCell = nullptr;
    TExprRoutine routine = nullptr;
    long double* cell = nullptr;
};

void buildSteps(TCompiledExpression& compiled);

class Compiler {
public:
    // Every piece asked about is a part of text, so bracket counts and the
    // hash of a piece come from running totals over text. Equal pieces at
    // different places share one entry (long chains repeat the same pieces).
    Compiler(QStringView text, const TExprNameTables& tables, QStringView decimalPoint,
             bool rememberPieces)
        : m_text(text), m_tables(tables), m_decimalPoint(decimalPoint),
          m_remember(rememberPieces), m_memo(64, PieceHash{this})
    {
        const std::size_t n = std::size_t(text.size());
        m_depth.reserve(n + 1);
        m_prefixHash.reserve(n + 1);
        m_power.reserve(n + 1);
        m_depth.push_back(0);
        m_prefixHash.push_back(0);
        m_power.push_back(1);
        for (QChar ch : text) {
            m_depth.push_back(m_depth.back() + (ch == u'(' ? 1 : ch == u')' ? -1 : 0));
            m_prefixHash.push_back(addMod(mulMod(m_prefixHash.back(), kHashBase), ch.unicode()));
            m_power.push_back(mulMod(m_power.back(), kHashBase));
        }
    }

    std::unique_ptr<TCompiledExpression> compile();

private:
    const Classified& classify(QStringView t);
    void fill(QStringView t, Classified& c);
    bool valid(QStringView p) { return classify(p).pieceKind != kInvalid; }
    bool bracketedValid(QStringView p)
    {
        return p.size() >= 2 && p.front() == u'(' && p.back() == u')' &&
               valid(p.sliced(1, p.size() - 2));
    }
    QStringView stripBrackets(QStringView t)
    {
        while (bracketedValid(t))
            t = t.sliced(1, t.size() - 2);
        return t;
    }
    std::unique_ptr<TermRecord> build(QStringView text, int level, int side, TermRecord* parent);

    QStringView m_text;
    const TExprNameTables& m_tables;
    QStringView m_decimalPoint;
    bool m_remember;
    static constexpr std::uint64_t kHashModulus = (std::uint64_t{1} << 61) - 1;
    static constexpr std::uint64_t kHashBase = 1000003;
    static std::uint64_t mulMod(std::uint64_t a, std::uint64_t b)
    {
        const unsigned __int128 p = static_cast<unsigned __int128>(a) * b;
        std::uint64_t r = std::uint64_t(p & kHashModulus) + std::uint64_t(p >> 61);
        return r >= kHashModulus ? r - kHashModulus : r;
    }
    static std::uint64_t addMod(std::uint64_t a, std::uint64_t b)
    {
        const std::uint64_t r = a + b;
        return r >= kHashModulus ? r - kHashModulus : r;
    }
    std::uint64_t hashOf(QStringView piece) const
    {
        const std::size_t begin = std::size_t(piece.data() - m_text.data());
        const std::size_t end = begin + std::size_t(piece.size());
        const std::uint64_t shifted =
            mulMod(m_prefixHash[begin], m_power[std::size_t(piece.size())]);
        return addMod(m_prefixHash[end], kHashModulus - shifted);
    }
    // Not noexcept, so the table keeps each hash and compares the texts of
    // two pieces only when their hashes agree.
    struct PieceHash {
        const Compiler* compiler;
        std::size_t operator()(QStringView piece) const { return compiler->hashOf(piece); }
    };
    // Counts of "(" and ")" are equal in the piece. Only the difference of
    // the counts matters, which the running depth gives.
    bool balanced(QStringView piece) const
    {
        const std::size_t begin = std::size_t(piece.data() - m_text.data());
        return m_depth[begin] == m_depth[begin + std::size_t(piece.size())];
    }

    std::vector<qsizetype> m_depth;  // "(" minus ")" before each position
    std::vector<std::uint64_t> m_prefixHash;
    std::vector<std::uint64_t> m_power;
    std::unordered_map<QStringView, Classified, PieceHash> m_memo;
    std::deque<Classified> m_unremembered;
    std::array<int, kMaxLevel + 1> m_perLevel{};
    std::array<std::vector<TermRecord*>, kMaxLevel + 1> m_operations;
    std::vector<TermRecord*> m_numbers;
};

const Classified& Compiler::classify(QStringView t)
{
    if (m_remember)
        if (auto it = m_memo.find(t); it != m_memo.end())
            return it->second;
    // Every recursion is on a shorter piece, so nothing for t is pending.
    Classified c;
    fill(t, c);
    if (c.kind != kInvalid)
        c.pieceKind = c.kind;
    else if (bracketedValid(t))
        c.pieceKind = kBracketed;
    if (!m_remember)
        return m_unremembered.emplace_back(c);
    return m_memo.emplace(t, c).first->second;
}

void Compiler::fill(QStringView t, Classified& c)
{
    if (t.isEmpty())
        return;

    // Variable.
    if (auto it = findName(m_tables.variables, t); it != m_tables.variables.end()) {
        c.kind = tkVariable;
        c.routine = nullptr;
        c.number = 0;
        return;
    }

    // Number.
    if (t == u"PI" || t == u"-PI") {
        c.kind = tkNumber;
        c.number = t.front() == u'-' ? -kPi : kPi;
        return;
    }
    if (readNumberLiteral(t, m_decimalPoint, c.number)) {
        c.kind = tkNumber;
        c.literal = true;
        return;
    }

    // Negation of a bracket, a variable, a power or a call.
    if (t.front() == u'-' && t.size() > 1) {
        const QStringView rest = t.sliced(1);
        const int k = classify(rest).pieceKind;
        if (k != kInvalid && (k == kBracketed || k == tkVariable || (bit(k) & (POW | FN)))) {
            c.kind = tkNegation;
            c.operand1 = rest;
            return;
        }
    }

    // Operators.
    for (const OperatorRule& rule : kOperators) {
        const qsizetype len = rule.text.size();
        qsizetype from = 0;
        for (;;) {
            const qsizetype pos = t.indexOf(rule.text, from);
            if (pos < 0)
                break;
            from = pos + 1;
            if (pos == 0 || pos + len == t.size()) {
                if (len == 1)
                    break;  // a sign or operator at either end ends the scan
                continue;   // "DIV" or "MOD" at either end is passed over
            }
            const QStringView left = t.first(pos);
            const QStringView right = t.sliced(pos + len);
            c.tried = true;
            c.lastLeft = left;
            c.lastRight = right;
            if (!balanced(left) || !balanced(right))
                continue;
            const int lk = classify(left).pieceKind;
            if (lk == kInvalid || !(rule.left & bit(lk)))
                continue;
            const Classified& rc = classify(right);
            const int rk = rc.pieceKind;
            if (rk == kInvalid || !(rule.right & bit(rk)))
                continue;
            c.kind = rule.kind;
            if (rule.kind == tkRealPower && rc.kind == tkNumber && rc.literal &&
                rc.number == std::trunc(rc.number)) {
                if (rc.number == 2)
                    c.kind = tkSquare;
                else if (rc.number == 3)
                    c.kind = tkCube;
                else if (rc.number == 4)
                    c.kind = tkFourthPower;
                else
                    c.kind = tkIntPower;
            }
            c.operand1 = left;
            c.operand2 = right;
            return;
        }
    }

    // Calls: the name runs up to the first "(".
    const qsizetype open = t.indexOf(u'(');
    if (open < 1 || t.back() != u')' || t.size() - open < 2)
        return;
    const QStringView name = t.first(open);
    const QStringView inside = t.sliced(open + 1, t.size() - open - 2);

    if (auto it = findName(m_tables.functions1, name); it != m_tables.functions1.end()) {
        if (valid(inside)) {
            c.kind = tkFunction1;
            c.routine = it->second;
            c.operand1 = inside;
            return;
        }
    }
    if (auto it = findName(m_tables.functions2, name); it != m_tables.functions2.end()) {
        for (qsizetype comma = inside.indexOf(u','); comma >= 0;
             comma = inside.indexOf(u',', comma + 1)) {
            const QStringView first = inside.first(comma);
            const QStringView second = inside.sliced(comma + 1);
            if (valid(first) && valid(second)) {
                c.kind = tkFunction2;
                c.routine = it->second;
                c.operand1 = first;
                c.operand2 = second;
                return;
            }
        }
    }
}

std::unique_ptr<TermRecord> Compiler::build(QStringView text, int level, int side,
                                            TermRecord* parent)
{
    auto term = std::make_unique<TermRecord>();
    term->text = text;
    term->level = level;
    term->side = side;
    term->parent = parent;

    const Classified& c = classify(text);
    if (c.tried) {
        term->leftPiece = c.lastLeft.toString();
        term->rightPiece = c.lastRight.toString();
    }
    if (c.kind == kInvalid) {
        if (c.tried)
            throw ESyntaxError(QStringLiteral("Error parsing expression:\r%1\r%2")
                                   .arg(term->leftPiece, term->rightPiece));
        throw ESyntaxError(QStringLiteral("Error parsing expression:\r%1").arg(text.toString()));
    }
    term->kind = c.kind;

    if (c.kind == tkVariable) {
        term->variableCell = findName(m_tables.variables, text)->second;
        return term;
    }
    if (c.kind == tkNumber) {
        term->number = c.number;
        m_numbers.push_back(term.get());
        return term;
    }

    if (level + 1 > kMaxLevel)
        throw ETooManyNestings();
    if (++m_perLevel[level] > kMaxPerLevel)
        throw EExpressionTooComplex();
    term->position = m_perLevel[level];
    term->routine = c.kind == tkFunction1 || c.kind == tkFunction2 ? c.routine
                                                                    : operatorRoutine(c.kind);
    m_operations[level].push_back(term.get());

    if (c.operand1.isNull() || c.operand2.isNull() != !isTwoOperandKind(c.kind))
        throw EParserInternalError();
    term->left = build(stripBrackets(c.operand1), level + 1, 1, term.get());
    if (!c.operand2.isNull())
        term->right = build(stripBrackets(c.operand2), level + 1, 2, term.get());
    return term;
}

std::unique_ptr<TCompiledExpression> Compiler::compile()
{
    const std::unique_ptr<TermRecord> root = build(stripBrackets(m_text), 0, 1, nullptr);

    std::size_t operationCount = 0;
    for (const auto& level : m_operations)
        operationCount += level.size();

    auto compiled = std::make_unique<TCompiledExpression>();
    compiled->cellCount = m_numbers.size() + operationCount;
    compiled->cells = std::make_unique<long double[]>(compiled->cellCount);
    long double* next = compiled->cells.get();
    for (TermRecord* number : m_numbers) {
        *next = number->number;
        number->cell = next++;
    }

    if (operationCount == 0) {
        // A bare variable or number: one record whose result is its own cell.
        TExprOperation op;
        op.kind = root->kind;
        op.result = root->kind == tkVariable ? root->variableCell : root->cell;
        op.operand1 = op.result;
        op.routine = operatorRoutine(root->kind);
        compiled->records.push_back(op);
        return compiled;
    }

    for (const auto& level : m_operations)
        for (TermRecord* term : level)
            term->cell = next++;
    auto cellOf = [](const TermRecord* t) {
        return t->kind == tkVariable ? t->variableCell : t->cell;
    };

    // Deepest level first, so every operand is computed before its use; the
    // root comes last.
    compiled->records.reserve(operationCount);
    for (int level = kMaxLevel; level >= 0; --level) {
        for (TermRecord* term : m_operations[level]) {
            TExprOperation op;
            op.kind = term->kind;
            op.routine = term->routine;
            op.result = term->cell;
            op.operand1 = cellOf(term->left.get());
            // Square, cube and fourth power keep their exponent only in the kind.
            if (term->right && term->kind != tkSquare && term->kind != tkCube &&
                term->kind != tkFourthPower)
                op.operand2 = cellOf(term->right.get());
            compiled->records.push_back(op);
        }
    }
    for (std::size_t i = 0; i + 1 < compiled->records.size(); ++i)
        compiled->records[i].next = &compiled->records[i + 1];
    buildSteps(*compiled);
    return compiled;
}

// Writes the records as postfix steps for the direct evaluation, starting
// from the root and taking each operand from the record whose result cell it
// is. Operands read from cells of their own (variables and constants) are
// folded into the step that uses them.
class StepWriter {
public:
    explicit StepWriter(TCompiledExpression& compiled) : m_compiled(compiled)
    {
        for (const TExprOperation& op : compiled.records)
            m_producer.emplace(op.result, &op);
    }

    void write()
    {
        operation(m_compiled.records.back());
        if (m_ok && m_maxDepth <= TCustomExprParser::kMaxSaved) {
            chooseHotOperand();
            m_compiled.steps = std::move(m_steps);
            m_compiled.stackDepth = m_maxDepth;
        }
    }

private:
    // The cell most steps read (usually X) is read once per evaluation when
    // two or more steps read it.
    void chooseHotOperand()
    {
        std::unordered_map<const long double*, int> reads;
        const long double* hot = nullptr;
        int most = 1;
        for (const TExprStep& step : m_steps)
            if (step.code < scLoadR && ++reads[step.cell] > most) {
                most = reads[step.cell];
                hot = step.cell;
            }
        if (!hot)
            return;
        for (TExprStep& step : m_steps)
            if (step.code < scLoadR && step.cell == hot)
                step.code = TExprStepCode(step.code + kExprHotOffset);
        m_compiled.hot = hot;
    }

    const TExprOperation* producer(const long double* cell) const
    {
        const auto it = m_producer.find(cell);
        return it == m_producer.end() ? nullptr : it->second;
    }
    bool isLeaf(const long double* cell) const { return !producer(cell); }
    // A number of the text (its cell never changes) that can divide.
    bool isNonZeroConstant(const long double* cell) const
    {
        const long double* first = m_compiled.cells.get();
        if (!isLeaf(cell) || cell < first || cell >= first + m_compiled.cellCount)
            return false;
        return *cell != 0 && std::fabs(*cell) <= std::numeric_limits<long double>::max();
    }
    void add(TExprStepCode code, const long double* cell = nullptr, TExprKernel1 one = nullptr,
             TExprKernel2 two = nullptr)
    {
        if (m_pushPending) {
            m_pushPending = false;
            switch (code) {
            case scLoad: code = scPushLoad; break;
            case scSquareM: code = scPushSquareM; break;
            case scCubeM: code = scPushCubeM; break;
            case scFourthM: code = scPushFourthM; break;
            default: m_steps.push_back(TExprStep{scPush});
            }
        }
        m_steps.push_back(TExprStep{code, cell, one, two});
    }
    // The save is folded into the next step when that step reads a cell.
    void push()
    {
        m_pushPending = true;
        if (++m_depth > m_maxDepth)
            m_maxDepth = m_depth;
    }
    void pop(TExprStepCode code, TExprKernel2 two = nullptr)
    {
        add(code, nullptr, nullptr, two);
        --m_depth;
    }
    void value(const long double* cell)
    {
        if (const TExprOperation* op = producer(cell))
            operation(*op);
        else
            add(scLoad, cell);
    }
    // The record making cell when it is a square, cube or fourth power of a
    // variable or constant: 0, 1 or 2 for the three, -1 otherwise.
    int smallPowerOfLeaf(const long double* cell) const
    {
        const TExprOperation* op = producer(cell);
        if (!op || !isLeaf(op->operand1))
            return -1;
        switch (op->kind) {
        case tkSquare: return 0;
        case tkCube: return 1;
        case tkFourthPower: return 2;
        default: return -1;
        }
    }
    // a op b. Sum and product give the same bits either way round. The
    // step families are {square, cube, fourth} in code order; none for
    // division.
    void binary(const TExprOperation& op, TExprStepCode saved, TExprStepCode rightCell,
                TExprStepCode leftCell, int rightPowers = -1, int leftPowers = -1)
    {
        int power = -1;
        if (saved == scDivide && isNonZeroConstant(op.operand2)) {
            value(op.operand1);
            add(scDivideByConstant, op.operand2);
        } else if (isLeaf(op.operand2)) {
            value(op.operand1);
            add(rightCell, op.operand2);
        } else if (isLeaf(op.operand1)) {
            value(op.operand2);
            add(leftCell, op.operand1);
        } else if (rightPowers >= 0 && (power = smallPowerOfLeaf(op.operand2)) >= 0) {
            value(op.operand1);
            add(TExprStepCode(rightPowers + power), producer(op.operand2)->operand1);
        } else if (leftPowers >= 0 && (power = smallPowerOfLeaf(op.operand1)) >= 0) {
            value(op.operand2);
            add(TExprStepCode(leftPowers + power), producer(op.operand1)->operand1);
        } else {
            value(op.operand1);
            push();
            value(op.operand2);
            pop(saved);
        }
    }
    void power(const TExprOperation& op, TExprStepCode onTop, TExprStepCode onCell)
    {
        if (isLeaf(op.operand1)) {
            add(onCell, op.operand1);
        } else {
            value(op.operand1);
            add(onTop);
        }
    }
    void operation(const TExprOperation& op)
    {
        if (!m_ok)
            return;
        switch (op.kind) {
        case tkNegation:
            value(op.operand1);
            add(scNegate);
            return;
        case tkAdd: binary(op, scAdd, scAddM, scAddM, scAddSquareM, scAddSquareM); return;
        case tkMultiply:
            binary(op, scMultiply, scMultiplyM, scMultiplyM, scMultiplySquareM, scMultiplySquareM);
            return;
        case tkSubtract:
            binary(op, scSubtract, scSubtractM, scMSubtract, scSubtractSquareM, scSquareMSubtract);
            return;
        case tkDivide: binary(op, scDivide, scDivideM, scMDivide); return;
        case tkSquare: power(op, scSquare, scSquareM); return;
        case tkCube: power(op, scCube, scCubeM); return;
        case tkFourthPower: power(op, scFourth, scFourthM); return;
        default: break;
        }
        TExprKernel1 one = nullptr;
        TExprKernel2 two = nullptr;
        if (!op.routine || !directFormOf(op.routine, one, two)) {
            m_ok = false;
            return;
        }
        if (!op.operand2) {
            if (!one) {
                m_ok = false;
                return;
            }
            value(op.operand1);
            add(scCall1, nullptr, one);
            return;
        }
        if (!two) {
            m_ok = false;
            return;
        }
        value(op.operand1);
        if (isLeaf(op.operand2)) {
            add(scCall2M, op.operand2, nullptr, two);
        } else {
            push();
            value(op.operand2);
            pop(scCall2, two);
        }
    }

    TCompiledExpression& m_compiled;
    std::unordered_map<const long double*, const TExprOperation*> m_producer;
    std::vector<TExprStep> m_steps;
    int m_depth = 0;
    int m_maxDepth = 0;
    bool m_ok = true;
    bool m_pushPending = false;
};

void buildSteps(TCompiledExpression& compiled) { StepWriter(compiled).write(); }

QString upperAscii(const QString& text)
{
    QString s = text;
    for (QChar& ch : s)
        if (ch >= u'a' && ch <= u'z')
            ch = QChar(ch.unicode() - 'a' + 'A');
    return s;
}

} // namespace

bool readNumberLiteral(QStringView t, QStringView decimalPoint, long double& value)
{
    std::string digits;
    qsizetype i = 0;
    const qsizetype n = t.size();
    auto isDigit = [&](qsizetype k) { return k < n && t[k] >= u'0' && t[k] <= u'9'; };

    if (i < n && (t[i] == u'+' || t[i] == u'-'))
        digits += char(t[i++].unicode());
    int mantissaDigits = 0;
    while (isDigit(i)) {
        digits += char(t[i++].unicode());
        ++mantissaDigits;
    }
    if (!decimalPoint.isEmpty() && t.sliced(i).startsWith(decimalPoint)) {
        digits += '.';
        i += decimalPoint.size();
        while (isDigit(i)) {
            digits += char(t[i++].unicode());
            ++mantissaDigits;
        }
    }
    if (mantissaDigits == 0)
        return false;
    if (i < n && t[i] == u'E') {
        digits += 'E';
        ++i;
        if (i < n && (t[i] == u'+' || t[i] == u'-'))
            digits += char(t[i++].unicode());
        int exponentDigits = 0;
        while (isDigit(i)) {
            digits += char(t[i++].unicode());
            ++exponentDigits;
        }
        if (exponentDigits == 0)
            return false;
    }
    if (i != n)
        return false;
    const long double v = strtold_l(digits.c_str(), nullptr, cLocale());
    if (!std::isfinite(v))
        return false;
    value = v;
    return true;
}

std::unique_ptr<TCompiledExpression> compileExpression(const QString& text,
                                                       const TExprNameTables& tables,
                                                       const QString& decimalPoint,
                                                       bool rememberPieces)
{
    QString s = upperAscii(text);
    qsizetype begin = 0;
    qsizetype end = s.size();
    while (begin < end && s[begin] == u' ')
        ++begin;
    while (end > begin && s[end - 1] == u' ')
        --end;
    s = s.sliced(begin, end - begin);
    if (s.contains(u' '))
        throw EExpressionHasBlanks();
    if (s.count(u'(') != s.count(u')'))
        throw EMissMatchingBracket();
    Compiler compiler(s, tables, decimalPoint, rememberPieces);
    return compiler.compile();
}

QString describeCompiled(const TCompiledExpression& compiled, const TExprNameTables& tables)
{
    std::map<const long double*, QString> text;
    for (const auto& [name, cell] : tables.variables)
        text[cell] = QString::fromStdString(name);
    auto operand = [&](const long double* cell) {
        if (auto it = text.find(cell); it != text.end())
            return it->second;
        return QString::number(static_cast<double>(*cell), 'g', 15);  // a constant
    };
    auto functionName = [&](const auto& table, TExprRoutine routine) {
        for (const auto& [name, r] : table)
            if (r == routine)
                return QString::fromStdString(name);
        return QStringLiteral("?");
    };
    for (const TExprOperation& record : compiled.records) {
        const TExprOperation* op = &record;
        const QString a = operand(op->operand1);
        const QString b = op->operand2 ? operand(op->operand2) : QString();
        QString form;
        switch (op->kind) {
        case tkVariable:
        case tkNumber: form = a; break;
        case tkNegation: form = QStringLiteral("(-%1)").arg(a); break;
        case tkAdd: form = QStringLiteral("(%1+%2)").arg(a, b); break;
        case tkSubtract: form = QStringLiteral("(%1-%2)").arg(a, b); break;
        case tkMultiply: form = QStringLiteral("(%1*%2)").arg(a, b); break;
        case tkDivide: form = QStringLiteral("(%1/%2)").arg(a, b); break;
        case tkMod: form = QStringLiteral("(%1 MOD %2)").arg(a, b); break;
        case tkDiv: form = QStringLiteral("(%1 DIV %2)").arg(a, b); break;
        case tkIntPower: form = QStringLiteral("intpower(%1,%2)").arg(a, b); break;
        case tkRealPower: form = QStringLiteral("power(%1,%2)").arg(a, b); break;
        case tkSquare: form = QStringLiteral("square(%1)").arg(a); break;
        case tkCube: form = QStringLiteral("cube(%1)").arg(a); break;
        case tkFourthPower: form = QStringLiteral("fourth(%1)").arg(a); break;
        case tkFunction1:
            form = QStringLiteral("%1(%2)").arg(functionName(tables.functions1, op->routine), a);
            break;
        case tkFunction2:
            form = QStringLiteral("%1(%2,%3)")
                       .arg(functionName(tables.functions2, op->routine), a, b);
            break;
        }
        text[op->result] = form;
    }
    return text[compiled.records.back().result];
}

} // namespace tv
