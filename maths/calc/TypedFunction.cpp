// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "TypedFunction.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <numbers>

#include "CurveMath.h"
#include "NumberText.h"

namespace numora::maths {

namespace {

enum class Token { Number, X, Parameter, Constant, Function, Plus, Minus, Times, Divide, Power, Open, Close, Square, Cube, End, Bad, TooLarge };

struct Lexeme {
    Token token = Token::End;
    long double value = 0;  // a number's or a constant's value
    int function = 0;       // index into kFunctions, or the parameter's
};

// Names, longest first where one starts another ("exp" before "e").
struct Name {
    std::string_view text;
    Token token;
    int function;
    double value;
};
constexpr std::array<Name, 14> kNames = {{
    {"sqrt", Token::Function, 0, 0},
    {"abs", Token::Function, 1, 0},
    {"sin", Token::Function, 2, 0},
    {"cos", Token::Function, 3, 0},
    {"tan", Token::Function, 4, 0},
    {"exp", Token::Function, 7, 0},
    {"ln", Token::Function, 5, 0},
    {"lg", Token::Function, 6, 0},
    {"pi", Token::Constant, 0, std::numbers::pi},
    {"x", Token::X, 0, 0},
    {"e", Token::Constant, 0, std::numbers::e},
    {"a", Token::Parameter, 0, 0},
    {"b", Token::Parameter, 1, 0},
    {"c", Token::Parameter, 2, 0},
}};

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// Reads the text one token after another.
class Lexer {
public:
    explicit Lexer(std::string_view text) : text_(text) {}

    Lexeme Next() {
        SkipBlanks();
        if (pos_ >= text_.size()) return {Token::End};
        const char c = text_[pos_];
        if (IsDigit(c) || c == '.') return ReadNumber();
        if (c >= 'a' && c <= 'z') return ReadName();
        if (c >= 'A' && c <= 'Z') return ReadName();
        ++pos_;
        switch (c) {
            case '+': return {Token::Plus};
            case '-': return {Token::Minus};
            case '*': return {Token::Times};
            case '/': return {Token::Divide};
            case '^': return {Token::Power};
            case '(': return {Token::Open};
            case ')': return {Token::Close};
            default: break;
        }
        --pos_;
        // The mathematical signs pupils find on their keyboards.
        struct Sign {
            std::string_view utf8;
            Lexeme lexeme;
        };
        static const Sign signs[] = {
            {"\xCF\x80", {Token::Constant, std::numbers::pi}},  // π
            {"\xC3\x97", {Token::Times}},                      // ×
            {"\xC2\xB7", {Token::Times}},                      // ·
            {"\xC3\xB7", {Token::Divide}},                     // ÷
            {"\xE2\x88\x92", {Token::Minus}},                  // −
            {"\xC2\xB2", {Token::Square}},                     // ²
            {"\xC2\xB3", {Token::Cube}},                       // ³
            {"\xEF\xBC\x88", {Token::Open}},                   // （
            {"\xEF\xBC\x89", {Token::Close}},                  // ）
        };
        for (const Sign& s : signs) {
            if (text_.substr(pos_, s.utf8.size()) == s.utf8) {
                pos_ += s.utf8.size();
                return s.lexeme;
            }
        }
        return {Token::Bad};
    }

private:
    void SkipBlanks() {
        while (pos_ < text_.size()) {
            const char c = text_[pos_];
            if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
                ++pos_;
            } else if (text_.substr(pos_, 3) == "\xE3\x80\x80") {  // the ideographic space
                pos_ += 3;
            } else {
                return;
            }
        }
    }

    // Digits with at most one point, then a capital E exponent when digits
    // follow it.
    Lexeme ReadNumber() {
        const std::size_t start = pos_;
        std::size_t digits = 0;
        bool point = false;
        while (pos_ < text_.size() && (IsDigit(text_[pos_]) || (text_[pos_] == '.' && !point))) {
            if (text_[pos_] == '.')
                point = true;
            else
                ++digits;
            ++pos_;
        }
        if (digits == 0) return {Token::Bad};
        if (pos_ < text_.size() && text_[pos_] == 'E') {
            std::size_t at = pos_ + 1;
            if (at < text_.size() && (text_[at] == '+' || text_[at] == '-')) ++at;
            if (at < text_.size() && IsDigit(text_[at])) {
                while (at < text_.size() && IsDigit(text_[at])) ++at;
                pos_ = at;
            }
        }
        const std::string_view written = text_.substr(start, pos_ - start);
        const DecimalPrefix number = ReadDecimalPrefix(written);
        if (number.overflow) return {Token::TooLarge};
        // In extended precision, whose exponent reaches much further: a
        // number written as 1E-400 is tiny, not 0.
        long double value = number.value;
        const auto [end, error] = std::from_chars(written.data(), written.data() + written.size(), value);
        if (error == std::errc::result_out_of_range && number.value == 0)
            value = std::numeric_limits<long double>::denorm_min();
        else if (error != std::errc() || end != written.data() + written.size())
            value = number.value;
        return {Token::Number, value};
    }

    Lexeme ReadName() {
        for (const Name& name : kNames) {
            if (text_.size() - pos_ < name.text.size()) continue;
            bool same = true;
            for (std::size_t i = 0; i < name.text.size() && same; ++i) same = Lower(text_[pos_ + i]) == name.text[i];
            if (!same) continue;
            pos_ += name.text.size();
            return {name.token, name.value, name.function};
        }
        return {Token::Bad};
    }

    std::string_view text_;
    std::size_t pos_ = 0;
};

}  // namespace

// Reads a text into a program (the shunting-yard method: operators wait on
// a stack until an operator of lower precedence or a closing parenthesis
// comes).
class FunctionReader {
public:
    using Op = TypedFunction::Op;

    std::optional<TypedFunction> Read(std::string_view text, TypedFunction::Error* error) {
        Lexer lexer(text);
        bool operand = true;  // an operand is expected next
        bool tooLarge = false;
        auto fail = [error](TypedFunction::Error e) -> std::optional<TypedFunction> {
            if (error) *error = e;
            return std::nullopt;
        };
        for (;;) {
            Lexeme l = lexer.Next();
            // A number beyond the double range is told only of a text that
            // reads as a function otherwise.
            if (l.token == Token::TooLarge) {
                tooLarge = true;
                l.token = Token::Number;
            }
            if (l.token == Token::Bad) return fail(TypedFunction::Error::Syntax);
            if (!operand) {
                switch (l.token) {
                    case Token::Plus: Binary(Op::Add); operand = true; continue;
                    case Token::Minus: Binary(Op::Sub); operand = true; continue;
                    case Token::Times: Binary(Op::Mul); operand = true; continue;
                    case Token::Divide: Binary(Op::Div); operand = true; continue;
                    case Token::Power: Binary(Op::Pow); operand = true; continue;
                    case Token::Square:
                    case Token::Cube:
                        Emit({Op::Number, l.token == Token::Square ? 2.0 : 3.0});
                        Emit({Op::Pow});
                        continue;
                    case Token::Close:
                        if (!Close()) return fail(TypedFunction::Error::Syntax);
                        continue;
                    case Token::End:
                        while (!waiting_.empty()) {
                            if (waiting_.back().kind != Waiting::Operator) return fail(TypedFunction::Error::Syntax);
                            Emit({waiting_.back().op});
                            waiting_.pop_back();
                        }
                        if (tooLarge) return fail(TypedFunction::Error::TooLarge);
                        if (error) *error = TypedFunction::Error::None;
                        return std::move(result_);
                    case Token::X:
                    case Token::Parameter:
                    case Token::Constant:
                    case Token::Function:
                    case Token::Open:
                        Binary(Op::Mul);  // written side by side: 2x, 3(x+1), x sin(x), ax
                        operand = true;
                        break;
                    default:
                        return fail(TypedFunction::Error::Syntax);
                }
            }
            switch (l.token) {
                case Token::Number: Emit({Op::Number, l.value}); operand = false; break;
                case Token::Constant: Emit({Op::Number, l.value}); operand = false; break;
                case Token::X: Emit({Op::X}); operand = false; break;
                case Token::Parameter: Emit({Op::Parameter, static_cast<long double>(l.function)}); operand = false; break;
                case Token::Minus: waiting_.push_back({Waiting::Operator, Op::Neg}); break;
                case Token::Plus: break;  // a sign that changes nothing
                case Token::Open: waiting_.push_back({Waiting::Open}); break;
                case Token::Function: {
                    static constexpr Op functions[] = {Op::Sqrt, Op::Abs, Op::Sin, Op::Cos, Op::Tan, Op::Ln, Op::Lg, Op::Exp};
                    if (lexer.Next().token != Token::Open) return fail(TypedFunction::Error::Syntax);
                    waiting_.push_back({Waiting::Function, functions[l.function]});
                    break;
                }
                default:
                    return fail(TypedFunction::Error::Syntax);
            }
        }
    }

private:
    struct Waiting {
        enum Kind { Operator, Open, Function } kind;
        Op op = Op::Add;  // an operator's or a function's operation
    };

    static int Precedence(Op op) {
        switch (op) {
            case Op::Add:
            case Op::Sub: return 1;
            case Op::Mul:
            case Op::Div: return 2;
            case Op::Neg: return 3;
            default: return 4;  // Pow
        }
    }

    void Binary(Op op) {
        const int p = Precedence(op);
        const bool right = op == Op::Pow;
        while (!waiting_.empty() && waiting_.back().kind == Waiting::Operator) {
            const int q = Precedence(waiting_.back().op);
            if (q < p || (q == p && right)) break;
            Emit({waiting_.back().op});
            waiting_.pop_back();
        }
        waiting_.push_back({Waiting::Operator, op});
    }

    // A closing parenthesis: the operators since its opening one, then the
    // function the parenthesis belongs to.
    bool Close() {
        while (!waiting_.empty() && waiting_.back().kind == Waiting::Operator) {
            Emit({waiting_.back().op});
            waiting_.pop_back();
        }
        if (waiting_.empty()) return false;
        if (waiting_.back().kind == Waiting::Function) Emit({waiting_.back().op});
        waiting_.pop_back();
        return true;
    }

    void Emit(TypedFunction::Step step) {
        switch (step.op) {
            case Op::Number:
            case Op::X:
            case Op::Parameter: ++depth_; break;
            case Op::Add:
            case Op::Sub:
            case Op::Mul:
            case Op::Div:
            case Op::Pow: --depth_; break;
            default: break;
        }
        result_.depth_ = std::max(result_.depth_, depth_);
        result_.program_.push_back(step);
    }

    std::vector<Waiting> waiting_;
    TypedFunction result_;
    std::size_t depth_ = 0;
};

std::optional<TypedFunction> TypedFunction::Parse(std::string_view text, Error* error) {
    return FunctionReader().Read(text, error);
}

bool TypedFunction::Uses(int parameter) const {
    for (const Step& s : program_)
        if (s.op == Op::Parameter && static_cast<int>(s.value) == parameter) return true;
    return false;
}

// The program on a stack of values of type T: sums, products, quotients and
// whole powers in T's arithmetic, the library's functions through the
// overloads of CurveMath.h.
template <typename T>
T TypedFunction::Run(const T& x, const Parameters& parameters) const {
    std::array<T, 16> small;
    std::vector<T> large;
    T* stack = small.data();
    if (depth_ > small.size()) {
        large.resize(depth_);
        stack = large.data();
    }
    std::size_t top = 0;  // values on the stack
    for (const Step& s : program_) {
        switch (s.op) {
            case Op::Number: stack[top++] = T(s.value); continue;
            case Op::X: stack[top++] = x; continue;
            case Op::Parameter: stack[top++] = T(parameters[static_cast<std::size_t>(s.value)]); continue;
            default: break;
        }
        T& a = stack[top - 1];
        switch (s.op) {
            case Op::Neg: a = -a; continue;
            case Op::Sqrt: a = Sqrt(a); continue;
            case Op::Abs: a = Abs(a); continue;
            case Op::Sin: a = Sin(a); continue;
            case Op::Cos: a = Cos(a); continue;
            case Op::Tan: a = Tan(a); continue;
            case Op::Ln: a = Ln(a); continue;
            case Op::Lg: a = Lg(a); continue;
            case Op::Exp: a = Exp(a); continue;
            default: break;
        }
        const T b = stack[--top];
        T& l = stack[top - 1];
        switch (s.op) {
            case Op::Add: l = l + b; break;
            case Op::Sub: l = l - b; break;
            case Op::Mul: l = l * b; break;
            case Op::Div: l = l / b; break;
            default: l = Pow(l, b); break;
        }
    }
    return top > 0 ? stack[0] : T(std::numeric_limits<long double>::quiet_NaN());
}

template long double TypedFunction::Run(const long double&, const Parameters&) const;
template Bounded TypedFunction::Run(const Bounded&, const Parameters&) const;
template Taylor<1> TypedFunction::Run(const Taylor<1>&, const Parameters&) const;
template Taylor<4> TypedFunction::Run(const Taylor<4>&, const Parameters&) const;

// Sums, products, quotients and whole powers in extended precision, rounded
// once, as the plotter's other kinds are.
double TypedFunction::At(long double x, const Parameters& parameters) const {
    const double y = static_cast<double>(Run<long double>(x, parameters));
    return std::isfinite(y) ? y : std::numeric_limits<double>::quiet_NaN();
}

}  // namespace numora::maths
