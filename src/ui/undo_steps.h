#pragma once

#include <QUndoCommand>
#include <QUndoStack>

#include <functional>
#include <utility>

namespace qv {

// One step of the undo history: a value as it was before a command and as
// the command left it. The command has already run when the step is pushed,
// so the first redo (which QUndoStack runs on push) does nothing; later ones
// put the value back as the command left it, undo as it was before.
template <typename Value>
class ValueStep : public QUndoCommand {
public:
    using Apply = std::function<void(const Value&)>;

    ValueStep(const QString& name, Value before, Value after, Apply apply)
        : QUndoCommand(name), before_(std::move(before)), after_(std::move(after)), apply_(std::move(apply)) {}

    void undo() override { apply_(before_); }
    void redo() override {
        if (pushed_) apply_(after_);
        pushed_ = true;
    }

private:
    Value before_, after_;
    Apply apply_;
    bool pushed_ = false;
};

// Records a command's change of a value in the history, when the value
// changed and there is a history to record it in.
template <typename Value>
void recordStep(QUndoStack* stack, const QString& name, Value before, Value after,
                typename ValueStep<Value>::Apply apply) {
    if (stack == nullptr || before == after) return;
    stack->push(new ValueStep<Value>(name, std::move(before), std::move(after), std::move(apply)));
}

}  // namespace qv
