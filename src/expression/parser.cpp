#include "expression/parser.h"

#include <algorithm>
#include <unordered_map>

namespace qv {

namespace {

class Parser {
public:
    explicit Parser(LexResult lexed)
        : t_(std::move(lexed.tokens)), numbers_(std::move(lexed.numbers)), texts_(std::move(lexed.texts)) {
        // Every node takes at least one token of its own, so this is room
        // enough: no copies while a long text grows its tree (what is
        // reserved and never written takes no memory).
        ast_.nodes.reserve(t_.size());
        heights_.reserve(t_.size());
    }

    ParseResult run() {
        ParseResult r;
        const int root = expr();
        if (error_ == 0 && peek() != Tok::End) error_ = kSyntaxError;
        r.error = error_;
        r.slotNesting = maxSlotDepth_;
        if (error_ == 0) {
            ast_.root = root;
            r.ast = std::move(ast_);
        }
        return r;
    }

private:
    Tok peek() const { return t_[pos_].kind; }
    bool accept(Tok k) {
        if (peek() != k) return false;
        ++pos_;
        return true;
    }
    int fail(int code = kSyntaxError) {
        if (error_ == 0) error_ = code;
        return -1;
    }

    int add(Node n, int height) {
        if (height > kMaxHeight) return fail();
        ast_.nodes.push_back(n);
        heights_.push_back(height);
        return static_cast<int>(ast_.nodes.size()) - 1;
    }
    int binary(BinaryOp op, int l, int r) {
        if (l < 0 || r < 0) return -1;
        Node n;
        n.kind = NodeKind::Binary;
        n.bop = op;
        n.lhs = l;
        n.rhs = r;
        return add(n, operationHeight(ast_.nodes[l].kind == NodeKind::Binary, heights_[l], heights_[r]));
    }
    int unary(UnaryOp op, int x) {
        if (x < 0) return -1;
        Node n;
        n.kind = NodeKind::Unary;
        n.uop = op;
        n.lhs = x;
        return add(n, 1 + heights_[x]);
    }

    // One left-associative level: sub (op sub)*.
    template <typename Sub, typename Match>
    int chain(Sub sub, Match match) {
        int l = (this->*sub)();
        BinaryOp op;
        while (error_ == 0 && match(peek(), op)) {
            ++pos_;
            l = binary(op, l, (this->*sub)());
        }
        return l;
    }
    static auto single(Tok tok, BinaryOp bop) {
        return [tok, bop](Tok k, BinaryOp& op) {
            op = bop;
            return k == tok;
        };
    }

    // expr := eqv ("Imp" eqv)* ; logic levels, And binding tightest.
    int expr() { return chain(&Parser::eqvLevel, single(Tok::Imp, BinaryOp::Imp)); }
    int eqvLevel() { return chain(&Parser::xorLevel, single(Tok::Eqv, BinaryOp::Eqv)); }
    int xorLevel() { return chain(&Parser::orLevel, single(Tok::Xor, BinaryOp::Xor)); }
    int orLevel() { return chain(&Parser::andLevel, single(Tok::Or, BinaryOp::Or)); }
    int andLevel() { return chain(&Parser::notLevel, single(Tok::And, BinaryOp::And)); }

    // not := "Not" not | comparison
    int notLevel() {
        if (!accept(Tok::Not)) return comparison();
        if (!enter()) return -1;
        const int x = unary(UnaryOp::Not, notLevel());
        --depth_;
        return x;
    }

    // comparison := concat (relop concat)*
    int comparison() {
        return chain(&Parser::concat, [](Tok k, BinaryOp& op) {
            switch (k) {
            case Tok::Eq: op = BinaryOp::Eq; return true;
            case Tok::Ne: op = BinaryOp::Ne; return true;
            case Tok::Lt: op = BinaryOp::Lt; return true;
            case Tok::Gt: op = BinaryOp::Gt; return true;
            case Tok::Le: op = BinaryOp::Le; return true;
            case Tok::Ge: op = BinaryOp::Ge; return true;
            default: return false;
            }
        });
    }
    // concat := additive ("&" additive)*
    int concat() { return chain(&Parser::additive, single(Tok::Amp, BinaryOp::Concat)); }
    // additive := modulo (("+" | "-") modulo)*
    int additive() {
        return chain(&Parser::modulo, [](Tok k, BinaryOp& op) {
            if (k == Tok::Plus) { op = BinaryOp::Add; return true; }
            if (k == Tok::Minus) { op = BinaryOp::Sub; return true; }
            return false;
        });
    }
    // modulo := intdiv ("Mod" intdiv)*
    int modulo() { return chain(&Parser::intDiv, single(Tok::Mod, BinaryOp::Mod)); }
    // intdiv := multiplicative ("\" multiplicative)*
    int intDiv() { return chain(&Parser::multiplicative, single(Tok::Backslash, BinaryOp::IntDiv)); }
    // multiplicative := power (("*" | "/") power)*
    int multiplicative() {
        return chain(&Parser::power, [](Tok k, BinaryOp& op) {
            if (k == Tok::Star) { op = BinaryOp::Mul; return true; }
            if (k == Tok::Slash) { op = BinaryOp::Div; return true; }
            return false;
        });
    }
    // power := signed ("^" signed)*   (a sign binds tighter than "^")
    int power() { return chain(&Parser::signedOperand, single(Tok::Caret, BinaryOp::Pow)); }

    // signed := ("-" | "+") signed | primary
    int signedOperand() {
        const bool neg = peek() == Tok::Minus;
        if (!neg && peek() != Tok::Plus) return primary();
        ++pos_;
        if (!enter()) return -1;
        const int x = unary(neg ? UnaryOp::Neg : UnaryOp::Plus, signedOperand());
        --depth_;
        return x;
    }

    bool enter() {
        if (++depth_ > kMaxNesting) {
            fail();
            return false;
        }
        return true;
    }

    int constant(Value v) {
        Node n;
        n.ref = static_cast<int>(ast_.constants.size());
        ast_.constants.push_back(std::move(v));
        return add(n, 1);
    }
    int slotNode(unsigned char slot) {
        maxSlotDepth_ = std::max(maxSlotDepth_, depth_);
        Node n;
        n.kind = NodeKind::Slot;
        n.slot = slot;
        return add(n, 1);
    }
    // Each distinct name is kept once.
    int nameIndex(const std::string& name) {
        const auto [it, added] = nameIndices_.try_emplace(name, static_cast<int>(ast_.names.size()));
        if (added) ast_.names.push_back(name);
        return it->second;
    }
    // The arguments of one call lie together, after those of the calls
    // inside them.
    int callNode(const std::string& name, const std::vector<int>& args, int height) {
        Node n;
        n.kind = NodeKind::Call;
        n.ref = static_cast<int>(ast_.calls.size());
        ast_.calls.push_back({nameIndex(name), static_cast<int>(ast_.args.size()), static_cast<int>(args.size())});
        ast_.args.insert(ast_.args.end(), args.begin(), args.end());
        return add(n, height);
    }

    // primary := number | string | True | False | Empty | slot
    //          | "(" expr ")" | name [ "(" [expr ("," expr)*] ")" | slot ]
    int primary() {
        const Token& tk = t_[pos_];
        switch (tk.kind) {
        case Tok::Number: ++pos_; return constant(Value::number(numbers_[static_cast<size_t>(tk.ref)]));
        case Tok::String: ++pos_; return constant(Value::string(texts_[static_cast<size_t>(tk.ref)]));
        case Tok::True: ++pos_; return constant(Value::boolean(true));
        case Tok::False: ++pos_; return constant(Value::boolean(false));
        case Tok::EmptyKw: ++pos_; return constant(Value::empty());
        case Tok::Slot: ++pos_; return slotNode(tk.slot);
        case Tok::LParen: {
            ++pos_;
            if (!enter()) return -1;
            const int x = expr();
            --depth_;
            if (error_ != 0) return -1;
            if (!accept(Tok::RParen)) return fail();
            return x;
        }
        case Tok::Name: ++pos_; return nameOrCall(texts_[static_cast<size_t>(tk.ref)]);
        default: return fail();
        }
    }

    int nameOrCall(const std::string& name) {
        int height = 1;
        if (peek() == Tok::Slot) {
            // A bound letter right after a name reads as "(value)": a call.
            const int arg = slotNode(t_[pos_++].slot);
            return callNode(name, {arg}, 2);
        }
        if (!accept(Tok::LParen)) {
            Node n;
            n.kind = NodeKind::Name;
            n.ref = nameIndex(name);
            return add(n, 1);
        }
        if (!enter()) return -1;
        std::vector<int> args;
        if (!accept(Tok::RParen)) {
            for (;;) {
                const int a = expr();
                if (a < 0) return -1;
                args.push_back(a);
                height = std::max(height, heights_[a] + 1);
                if (accept(Tok::Comma)) continue;
                if (accept(Tok::RParen)) break;
                return fail();
            }
        }
        --depth_;
        return callNode(name, args, height);
    }

    std::vector<Token> t_;
    std::vector<double> numbers_;
    std::vector<std::string> texts_;
    size_t pos_ = 0;
    int depth_ = 0;
    int maxSlotDepth_ = -1;
    int error_ = 0;
    Ast ast_;
    std::unordered_map<std::string, int> nameIndices_;
    std::vector<int> heights_;
};

}  // namespace

ParseResult parseExpression(std::string_view text, SlotLetters letters) {
    LexResult lx = lex(text, letters);
    if (lx.error != 0) {
        ParseResult r;
        r.error = lx.error;
        return r;
    }
    const bool slotInString = lx.slotInString;
    ParseResult r = Parser(std::move(lx)).run();
    r.slotInString = slotInString;
    return r;
}

}  // namespace qv
