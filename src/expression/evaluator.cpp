#include "expression/evaluator.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "expression/math_library.h"
#include "expression/number_text.h"
#include "expression/operations.h"

namespace qv {

namespace {

// Texts this long are not cached; only the last one compiled is kept, as a
// caller often asks twice about one text (its value, then its unset names).
constexpr size_t kUncachedTextLength = 1u << 20;
constexpr unsigned kRunsBeforeTranslation = 16;
constexpr size_t kMachineCodeAllowance = 4096;  // a page of code and constants

SlotLetters lettersFor(Binding b) {
    SlotLetters s;
    s.z = b != Binding::None;
    s.a = b == Binding::ZA;
    return s;
}

void makeCacheKey(std::string& key, std::string_view text, Binding binding) {
    key.assign(1, static_cast<char>('0' + static_cast<int>(binding)));
    key.append(text);
}

// What a cached form holds, roughly: its key and text, its tree, its code.
size_t formBytes(const CompiledForm& f) {
    const Ast& a = f.ast;
    size_t names = 0;
    for (const std::string& name : a.names) names += sizeof(std::string) + name.size();
    return 1 + 2 * f.text.size() + a.nodes.size() * sizeof(Node) + a.constants.size() * sizeof(Value) + names +
           a.calls.size() * (sizeof(CallSite) + sizeof(const Builtin*)) + a.args.size() * sizeof(int) +
           f.names.size() * sizeof(CompiledForm::NameInfo) +
           static_cast<size_t>(f.fast.instructionCount()) * sizeof(NumericProgram::Instr) +
           (f.fast.empty() ? 0 : kMachineCodeAllowance);
}

// Constant members of the math library, read as numbers.
bool memberConstant(const MathLibrary& m, const std::string& name, double& out) {
    if (name == "pi") out = m.pi;
    else if (name == "e") out = m.e;
    else if (name == "g") out = m.G;
    else if (name == "mol") out = m.mol;
    else if (name == "life") out = m.life;
    else return false;
    return true;
}

// A bound letter reads as one token, while its substituted text "(-2)" adds
// up to two levels of nesting and of tree height. Far from the parser's
// limits that changes nothing; close to them, the form is evaluated through
// its text, which then decides whether it is too deep.
bool nearParseLimits(const Ast& ast, int slotNesting) {
    if (slotNesting + 2 > kMaxNesting) return true;
    std::vector<int> height(ast.nodes.size(), 1);
    for (size_t i = 0; i < ast.nodes.size(); ++i) {
        const Node& n = ast.nodes[i];
        switch (n.kind) {
        case NodeKind::Slot: height[i] = 2; break;
        case NodeKind::Unary: height[i] = height[n.lhs] + 1; break;
        case NodeKind::Binary:
            height[i] = operationHeight(ast.nodes[n.lhs].kind == NodeKind::Binary, height[n.lhs], height[n.rhs]);
            break;
        case NodeKind::Call:
            for (int k = 0; k < ast.argCount(n); ++k) height[i] = std::max(height[i], height[ast.arg(n, k)] + 1);
            break;
        default: break;
        }
    }
    return height[ast.root] > kMaxHeight;
}

// Whether a bound letter that the form holds stands for a value without a
// number text that reads back (the overflow of a huge value, an infinity).
bool mentionsUnreadable(const CompiledForm& f, const double* slotValues) {
    static constexpr char kLetters[2] = {'z', 'A'};
    const int slots = f.binding == Binding::ZA ? 2 : 1;
    for (int i = 0; i < slots; ++i) {
        if (std::isfinite(slotValues[i])) continue;
        // A form that did not compile has no slot list: its text does.
        if (f.error == 0 ? f.usesSlot[i] || f.textual : f.text.find(kLetters[i]) != std::string::npos) return true;
    }
    return false;
}

}  // namespace

Evaluator::Evaluator(MathLibrary& math, RandomSource& rng) {
    ctx_.math = &math;
    ctx_.rng = &rng;
}

void Evaluator::setUp() {
    ctx_.math->set_constants();
    invalidate();
}

void Evaluator::setMachineCode(bool on) {
    machineCode_ = on;
    invalidate();
}

void Evaluator::invalidate() {
    ++generation_;
    clearCache();
}

void Evaluator::clearCache() {
    cache_.clear();
    recent_.clear();
    cacheBytes_ = 0;
    last_.reset();
}

bool Evaluator::cached(std::string_view text, Binding binding) const {
    std::string key;
    makeCacheKey(key, text, binding);
    return cache_.find(key) != cache_.end();
}

std::shared_ptr<CompiledForm> Evaluator::compile(std::string_view text, Binding binding) {
    auto f = std::make_shared<CompiledForm>();
    f->text.assign(text);
    f->binding = binding;
    f->generation = generation_;
    if (text.size() > kMaxTextLength) {
        f->error = kSyntaxError;
        return f;
    }
    ParseResult p = parseExpression(text, lettersFor(binding));
    f->error = p.error;
    f->textual = p.slotInString;
    if (f->error != 0) return f;
    f->ast = std::move(p.ast);
    for (const Node& n : f->ast.nodes) {
        if (n.kind == NodeKind::Slot) f->usesSlot[n.slot] = true;
    }
    if (p.slotNesting >= 0 && nearParseLimits(f->ast, p.slotNesting)) f->textual = true;
    resolve(*f);
    if (f->error == 0 && !f->textual) buildFastProgram(*f);
    return f;
}

void Evaluator::resolve(CompiledForm& f) {
    f.names.assign(f.ast.names.size(), {});
    f.calls.assign(f.ast.calls.size(), nullptr);
    for (const Node& node : f.ast.nodes) {
        if (node.kind == NodeKind::Name) {
            CompiledForm::NameInfo& info = f.names[static_cast<size_t>(node.ref)];
            const std::string& name = f.ast.name(node);
            if (memberConstant(*ctx_.math, name, info.constant)) {
                info.kind = CompiledForm::NameKind::Constant;
            } else if (name == "error") {
                info.kind = CompiledForm::NameKind::ErrorMember;
            } else if (const Builtin* b = findBuiltin(name)) {
                // A function named without parentheses is called with none.
                if (b->minArgs > 0) { f.error = kWrongArgCount; return; }
                info.kind = CompiledForm::NameKind::BuiltinCall;
                info.builtin = b;
            } else if (name == "z" && f.binding == Binding::None) {
                f.readsVariableZ = true;
            }
        } else if (node.kind == NodeKind::Call) {
            const Builtin* b = findBuiltin(f.ast.name(node));
            if (b == nullptr) continue;  // fails as a type mismatch when reached
            const int argc = f.ast.argCount(node);
            if (argc < b->minArgs || argc > b->maxArgs) { f.error = kWrongArgCount; return; }
            f.calls[static_cast<size_t>(node.ref)] = b;
        }
    }
}

// What the numeric compiler needs to know of each node: its type (a number,
// Empty, or anything else, which keeps the form on the careful path), and
// whether it is a constant or a slot that instructions take as operands.
struct Evaluator::FastPlan {
    enum class Type : unsigned char { Num, Empty, Other };
    std::vector<Type> type;
    std::vector<NumericProgram::Leaf> leaves;
    std::vector<bool> constant;
    std::vector<double> values;  // of the constant leaves
    bool numeric(int k) const { return type[k] != Type::Other; }
    NumericProgram::Leaf constantLeaf(double v) {
        values.push_back(v);
        return {NumericProgram::Leaf::Kind::Const, 0, static_cast<int>(values.size()) - 1};
    }
};

void Evaluator::classifyNode(const CompiledForm& f, size_t i, FastPlan& plan) {
    using Type = FastPlan::Type;
    using Leaf = NumericProgram::Leaf;
    const Node& n = f.ast.nodes[i];
    Type& type = plan.type[i];
    std::vector<bool>::reference constant = plan.constant[i];
    switch (n.kind) {
    case NodeKind::Const: {
        const Value& v = f.ast.constant(n);
        if (v.isNumber()) type = Type::Num;
        else if (v.isEmpty()) type = Type::Empty;
        constant = type != Type::Other;
        if (constant) plan.leaves[i] = plan.constantLeaf(v.num);
        break;
    }
    case NodeKind::Slot:
        type = Type::Num;
        plan.leaves[i] = {Leaf::Kind::Slot, n.slot, -1};
        break;
    case NodeKind::Name: classifyName(f, i, plan); break;
    case NodeKind::Unary:
        if (n.uop != UnaryOp::Not && plan.numeric(n.lhs)) {
            type = n.uop == UnaryOp::Plus ? plan.type[n.lhs] : Type::Num;
            constant = plan.constant[n.lhs];
        }
        break;
    case NodeKind::Binary:
        if (n.bop <= BinaryOp::Sub && plan.numeric(n.lhs) && plan.numeric(n.rhs)) {
            type = Type::Num;
            constant = plan.constant[n.lhs] && plan.constant[n.rhs];
        }
        break;
    case NodeKind::Call: {
        const Builtin* b = f.calls[static_cast<size_t>(n.ref)];
        if (b != nullptr && b->pure && b->unary != nullptr && f.ast.argCount(n) == 1 &&
            plan.numeric(f.ast.arg(n, 0))) {
            type = Type::Num;
            constant = plan.constant[f.ast.arg(n, 0)] && !b->setsError;
        }
        break;
    }
    }
}

void Evaluator::classifyName(const CompiledForm& f, size_t i, FastPlan& plan) {
    using Type = FastPlan::Type;
    const Node& n = f.ast.nodes[i];
    const CompiledForm::NameInfo& info = f.names[static_cast<size_t>(n.ref)];
    if (info.kind == CompiledForm::NameKind::Constant) {
        plan.type[i] = Type::Num;
        plan.constant[i] = true;
        plan.leaves[i] = plan.constantLeaf(info.constant);
    } else if (info.kind == CompiledForm::NameKind::Variable) {
        const std::string& name = f.ast.name(n);
        if (f.binding == Binding::None && name == "z") {
            plan.type[i] = Type::Num;
            plan.leaves[i] = {NumericProgram::Leaf::Kind::Slot, 0, -1};
        } else if (variables_.find(name) == variables_.end()) {
            // Nothing assigned it: Empty now, and the cache is dropped the
            // moment something does.
            plan.type[i] = Type::Empty;
            plan.constant[i] = true;
            plan.leaves[i] = plan.constantLeaf(0.0);
        }
    }
}

// Decides whether the form is purely numeric and, if so, compiles it. Nodes
// come children first, so one forward pass sees every child before its
// parent. Constant subtrees are folded through the careful evaluation.
void Evaluator::buildFastProgram(CompiledForm& f) {
    const size_t count = f.ast.nodes.size();
    FastPlan plan{std::vector<FastPlan::Type>(count, FastPlan::Type::Other),
                  std::vector<NumericProgram::Leaf>(count), std::vector<bool>(count, false), {}};
    // Every node but the root has one parent; those of a constant parent are
    // inside a larger constant subtree.
    std::vector<bool> constantParent(count, false);
    for (size_t i = 0; i < count; ++i) {
        classifyNode(f, i, plan);
        if (!plan.constant[i]) continue;
        const Node& n = f.ast.nodes[i];
        if (n.lhs >= 0) constantParent[n.lhs] = true;
        if (n.rhs >= 0) constantParent[n.rhs] = true;
        if (n.kind == NodeKind::Call) {
            for (int k = 0; k < f.ast.argCount(n); ++k) constantParent[f.ast.arg(n, k)] = true;
        }
    }
    // Each largest constant subtree is evaluated once, so folding stays
    // linear in the size of the form.
    for (size_t i = 0; i < count; ++i) {
        if (!plan.constant[i] || constantParent[i]) continue;
        const EvalResult r = evalNode(f, static_cast<int>(i), nullptr);
        if (!r.failed() && (r.value.isNumber() || r.value.isEmpty())) {
            plan.leaves[i] = plan.constantLeaf(r.value.num);
        }
        // A failing one stays code: it fails at run time, where it is reached.
    }
    if (plan.type[f.ast.root] != FastPlan::Type::Num) return;
    f.fast.emitTree({f.ast, plan.leaves, plan.values, f.calls});
}

// The last form looked up is always the most recently used one, so the
// short-cut through last_ leaves the order as it is.
std::vector<std::string> Evaluator::unsetNames(std::string_view text, Binding binding) {
    std::vector<std::string> unset;
    const std::shared_ptr<const CompiledForm> f = compiled(text, binding);
    if (f->error != 0) return unset;
    std::vector<bool> seen(f->ast.names.size(), false);
    for (const Node& n : f->ast.nodes) {
        if (n.kind != NodeKind::Name) continue;
        const auto ref = static_cast<size_t>(n.ref);
        if (seen[ref] || f->names[ref].kind != CompiledForm::NameKind::Variable) continue;
        seen[ref] = true;
        if (variables_.find(f->ast.names[ref]) == variables_.end()) unset.push_back(f->ast.names[ref]);
    }
    return unset;
}

std::shared_ptr<const CompiledForm> Evaluator::compiled(std::string_view text, Binding binding) {
    if (last_ && last_->binding == binding && last_->text == text) return last_;
    if (text.size() > kUncachedTextLength) return last_ = compile(text, binding);
    makeCacheKey(key_, text, binding);
    auto it = cache_.find(key_);
    if (it != cache_.end()) {
        recent_.splice(recent_.begin(), recent_, it->second);
        last_ = it->second->form;
        return last_;
    }
    last_ = compile(text, binding);
    remember(last_);
    return last_;
}

// Holders of a form (bound forms, last_) keep it alive when it leaves the
// cache; only the cache's own reference goes.
void Evaluator::remember(const std::shared_ptr<const CompiledForm>& f) {
    const size_t bytes = formBytes(*f);
    // One form bigger than the whole bound would only push every other out.
    if (bytes > kCacheMaxBytes) return;
    while (!recent_.empty() && (cache_.size() >= kCacheMaxForms || cacheBytes_ + bytes > kCacheMaxBytes)) {
        evictOldest();
    }
    makeCacheKey(key_, f->text, f->binding);
    recent_.push_front({key_, f, bytes});
    cache_.emplace(recent_.front().key, recent_.begin());
    cacheBytes_ += bytes;
}

void Evaluator::evictOldest() {
    const CacheEntry& oldest = recent_.back();
    cache_.erase(oldest.key);
    cacheBytes_ -= oldest.bytes;
    recent_.pop_back();
}

EvalResult Evaluator::run(const CompiledForm& f, const double* slotValues) {
    // A value whose text overflows (or an infinity, or a NaN) is written into
    // the form as a literal that overflows: where that error stands among
    // the form's own faults only the text tells.
    if (slotValues != nullptr && f.binding != Binding::None && mentionsUnreadable(f, slotValues)) {
        return evalTextually(f, slotValues);
    }
    if (f.error != 0) return EvalResult::fail(f.error);
    if (f.textual) return evalTextually(f, slotValues);
    double own[2] = {0.0, 0.0};
    if (f.readsVariableZ) {
        const Value* zValue = variableZ();
        if (zValue != nullptr && zValue->isNumber()) own[0] = zValue->num;
        else if (!f.fast.empty()) return evalCareful(f, slotValues);
        slotValues = own;
    }
    if (!f.fast.empty()) {
        // Forms evaluated again and again get machine code; one-off texts
        // (a calculator line, a substituted text) are not worth it.
        if (f.runs < kRunsBeforeTranslation && ++f.runs == kRunsBeforeTranslation && machineCode_) f.fast.translate();
        double out = 0.0;
        if (f.fast.run(ctx_, slotValues, out)) return EvalResult::ok(Value::number(out));
    }
    return evalCareful(f, slotValues);
}

EvalResult Evaluator::evalCareful(const CompiledForm& f, const double* slotValues) {
    if (f.error != 0) return EvalResult::fail(f.error);
    return evalNode(f, f.ast.root, slotValues);
}

EvalResult Evaluator::evalNode(const CompiledForm& f, int node, const double* slotValues) {
    const Node& n = f.ast.nodes[node];
    switch (n.kind) {
    case NodeKind::Const: return EvalResult::ok(f.ast.constant(n));
    case NodeKind::Slot: return EvalResult::ok(Value::number(slotValues[n.slot]));
    case NodeKind::Name: {
        const CompiledForm::NameInfo& info = f.names[static_cast<size_t>(n.ref)];
        switch (info.kind) {
        case CompiledForm::NameKind::Constant: return EvalResult::ok(Value::number(info.constant));
        case CompiledForm::NameKind::ErrorMember: return EvalResult::ok(Value::number(ctx_.math->error));
        case CompiledForm::NameKind::BuiltinCall: {
            const NumResult r = info.builtin->call(ctx_, nullptr, 0);
            if (std::strcmp(info.builtin->name, "set_constants") == 0) invalidate();
            if (r.failed()) return EvalResult::fail(r.error);
            return EvalResult::ok(Value::number(r.value));
        }
        case CompiledForm::NameKind::Variable: break;
        }
        auto it = variables_.find(f.ast.name(n));
        return EvalResult::ok(it == variables_.end() ? Value::empty() : it->second);
    }
    case NodeKind::Unary: {
        EvalResult x = evalNode(f, n.lhs, slotValues);
        if (x.failed()) return x;
        return applyUnary(n.uop, x.value);
    }
    case NodeKind::Binary: return evalChain(f, node, slotValues);
    case NodeKind::Call: return evalCall(f, n, slotValues);
    }
    return EvalResult::fail(kSyntaxError);
}

// A chain of operations in a loop, in the order the nested evaluation takes:
// both sides of each operation are always evaluated, left first, and the
// first error wins. The operations wait in chain_ (shared by the chains of
// the operands, each working above where its own started).
EvalResult Evaluator::evalChain(const CompiledForm& f, int top, const double* slotValues) {
    const std::vector<Node>& nodes = f.ast.nodes;
    const size_t base = chain_.size();
    int first = top;
    for (; nodes[first].kind == NodeKind::Binary; first = nodes[first].lhs) chain_.push_back(first);
    EvalResult acc = evalNode(f, first, slotValues);
    while (!acc.failed() && chain_.size() > base) {
        const Node& n = nodes[chain_.back()];
        chain_.pop_back();
        EvalResult r = evalNode(f, n.rhs, slotValues);
        if (r.failed()) {
            acc = std::move(r);
        } else if (n.bop == BinaryOp::Concat) {
            // Appended in place: a long chain of "&" stays linear.
            if (!acc.value.isString()) acc.value = Value::string(valueText(acc.value));
            if (r.value.isString()) acc.value.str += r.value.str;
            else acc.value.str += valueText(r.value);
        } else {
            acc = applyBinary(n.bop, acc.value, r.value);
        }
    }
    chain_.resize(base);
    return acc;
}

EvalResult Evaluator::evalCall(const CompiledForm& f, const Node& n, const double* slotValues) {
    const Builtin* b = f.calls[static_cast<size_t>(n.ref)];
    if (b == nullptr) return EvalResult::fail(kTypeMismatch);
    double args[2] = {0.0, 0.0};
    const int argc = f.ast.argCount(n);
    for (int k = 0; k < argc; ++k) {
        EvalResult a = evalNode(f, f.ast.arg(n, k), slotValues);
        if (a.failed()) return a;
        const NumResult x = toArithmetic(a.value);
        if (x.failed()) return EvalResult::fail(x.error);
        args[k] = x.value;
    }
    const NumResult r = b->call(ctx_, args, argc);
    if (std::strcmp(b->name, "set_constants") == 0) invalidate();  // constants were compiled in
    if (r.failed()) return EvalResult::fail(r.error);
    return EvalResult::ok(Value::number(r.value));
}

EvalResult Evaluator::evalTextually(const CompiledForm& f, const double* slotValues) {
    std::optional<double> a;
    if (f.binding == Binding::ZA) a = slotValues[1];
    return eval(substituteValues(f.text, slotValues[0], a));
}

EvalResult Evaluator::eval(std::string_view text) {
    std::shared_ptr<const CompiledForm> f = compiled(text, Binding::None);
    return run(*f, nullptr);
}

int Evaluator::executeStatement(std::string_view statement) {
    if (statement.size() > kMaxTextLength) return kSyntaxError;
    const LexResult lx = lex(statement, SlotLetters{});
    if (lx.error != 0) return lx.error;
    const std::vector<Token>& t = lx.tokens;
    // The statement's first word, when it is a name.
    const std::string first = t[0].kind == Tok::Name ? lx.texts[static_cast<size_t>(t[0].ref)] : std::string();
    if (t.size() == 2 && t[0].kind == Tok::Name) {
        // A call of a procedure without arguments, such as set_constants.
        const Builtin* b = findBuiltin(first);
        if (b == nullptr) return kTypeMismatch;
        if (b->minArgs > 0) return kWrongArgCount;
        const NumResult r = b->call(ctx_, nullptr, 0);
        if (std::strcmp(b->name, "set_constants") == 0) invalidate();
        return r.error;
    }
    if (t.size() < 3 || t[0].kind != Tok::Name || t[1].kind != Tok::Eq) return kSyntaxError;
    const size_t eq = statement.find('=');
    const EvalResult v = eval(statement.substr(eq + 1));
    if (v.failed()) return v.error;
    const std::string& name = first;
    MathLibrary& m = *ctx_.math;
    double* member = name == "pi" ? &m.pi : name == "e" ? &m.e : name == "g" ? &m.G : name == "mol" ? &m.mol : nullptr;
    if (member != nullptr || name == "life" || name == "error") {
        const NumResult x = toArithmetic(v.value);
        if (x.failed()) return x.error;
        if (member != nullptr) {
            *member = x.value;
        } else {
            const NumResult i = MathLibrary::toInt16Arg(x.value);
            if (i.failed()) return i.error;
            (name == "life" ? m.life : m.error) = static_cast<int16_t>(i.value);
        }
        invalidate();
        return kNoError;
    }
    setVariable(name, v.value);
    return kNoError;
}

const Value* Evaluator::variableZ() {
    if (zCell_ == nullptr) {
        auto it = variables_.find("z");
        if (it != variables_.end()) zCell_ = &it->second;
    }
    return zCell_;
}

void Evaluator::setVariableZ(double value) {
    if (zCell_ == nullptr) {
        setVariable("z", Value::number(value));
        return;
    }
    zCell_->kind = Value::Kind::Number;
    zCell_->num = value;
    zCell_->str.clear();
}

void Evaluator::setVariable(std::string_view name, Value v) {
    // z is set before every evaluation of the integral and the searches:
    // its cell is kept (map nodes never move).
    if (zCell_ != nullptr && (name == "z" || name == "Z")) {
        *zCell_ = std::move(v);
        return;
    }
    std::string key;
    for (char c : name) key.push_back((c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c);
    auto it = variables_.find(key);
    if (it != variables_.end()) {
        it->second = std::move(v);
        return;
    }
    variables_.emplace(std::move(key), std::move(v));
    invalidate();  // compiled forms took the name for Empty
}

Value Evaluator::variable(std::string_view name) const {
    std::string key;
    for (char c : name) key.push_back((c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c);
    auto it = variables_.find(key);
    return it == variables_.end() ? Value::empty() : it->second;
}

BoundForm Evaluator::bind(std::string_view form, Binding binding) {
    BoundForm b;
    b.evaluator_ = this;
    b.currentGeneration_ = &generation_;
    b.ctx_ = &ctx_;
    b.form_ = compiled(form, binding);
    if (machineCode_) b.form_->fast.translate();  // a bound form is evaluated in a loop
    b.refresh();
    return b;
}

EvalResult Evaluator::evalBound(std::string_view form, double z) {
    const double slotValues[2] = {plainTextValue(z), 0.0};
    return run(*compiled(form, Binding::Z), slotValues);
}

EvalResult Evaluator::evalBound(std::string_view form, double z, double a) {
    const double slotValues[2] = {plainTextValue(z), plainTextValue(a)};
    return run(*compiled(form, Binding::ZA), slotValues);
}

void BoundForm::refresh() const {
    if (form_->generation != evaluator_->generation_) {
        form_ = evaluator_->compiled(form_->text, form_->binding);
        if (evaluator_->machineCode_) form_->fast.translate();
    }
    const MachineCode* m = form_->fast.machineCode();
    // An unbound form reads the script variable z: only run() knows its value.
    entry_ = m != nullptr && !form_->readsVariableZ ? m->entry() : nullptr;
    // Only a form whose every evaluation run() gives to the machine code
    // with z as the first slot.
    const CompiledForm& f = *form_;
    const bool readsZ = f.binding == Binding::None && f.readsVariableZ && f.error == 0 && !f.textual;
    variableZEntry_ = m != nullptr && readsZ ? m->entry() : nullptr;
    generation_ = form_->generation;
}

EvalResult BoundForm::eval(double z, double a) const {
    if (form_->generation != evaluator_->generation_) refresh();
    const double slotValues[2] = {plainTextValue(z), plainTextValue(a)};
    return evaluator_->run(*form_, slotValues);
}

NumResult BoundForm::numberSlow(const double* slotValues) const {
    if (form_->generation != evaluator_->generation_) refresh();
    const EvalResult r = evaluator_->run(*form_, slotValues);
    // The form's code becomes executable after a few runs: from then on the
    // inline path calls it.
    if (entry_ == nullptr) refresh();
    if (r.failed()) return NumResult::fail(r.error);
    return toArithmetic(r.value);
}

namespace {

// Every value from 1.797693134862315E+308 on has the plain text
// "1.79769313486232E+308", which overflows when read; bound evaluation
// carries such a value as an infinity, so an infinity (and a NaN, which has
// no number text either) is written as that text.
std::string valueInParentheses(double v) {
    if (std::isfinite(v)) return "(" + plainText(v) + ")";
    return std::isinf(v) && v < 0 ? "(-1.79769313486232E+308)" : "(1.79769313486232E+308)";
}

}  // namespace

std::string substituteValues(std::string_view form, double z, std::optional<double> a) {
    const std::string zt = valueInParentheses(z);
    const std::string at = a ? valueInParentheses(*a) : std::string();
    std::string out;
    out.reserve(form.size() + 16);
    for (char c : form) {
        if (c == 'z') out += zt;
        else if (a && c == 'A') out += at;
        else out.push_back(c);
    }
    return out;
}

}  // namespace qv
