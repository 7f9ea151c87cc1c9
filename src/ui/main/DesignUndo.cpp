#include "ui/main/DesignUndo.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QTimer>
#include <QUndoCommand>

#include "model/DesignCompare.h"
#include "model/Mech.h"

namespace tfd {

namespace {

// The text edit being typed in, if the focus is in one.
QWidget* TypingTarget() {
  QWidget* focus = QApplication::focusWidget();
  for (QWidget* w = focus; w; w = w->parentWidget())
    if (qobject_cast<QAbstractSpinBox*>(w)) return w;
  if (qobject_cast<QLineEdit*>(focus) || qobject_cast<QPlainTextEdit*>(focus) ||
      qobject_cast<QTextEdit*>(focus))
    return focus;
  return nullptr;
}

class TDesignStep : public QUndoCommand {
 public:
  static constexpr int kTypingId = 1;

  TDesignStep(TDesignUndo& owner, std::shared_ptr<const TMech> before, std::shared_ptr<const TMech> after,
              const QString& name, bool typing)
      : QUndoCommand(name),
        owner_(owner),
        before_(std::move(before)),
        after_(std::move(after)),
        typing_(typing) {}

  // The command has run already when its step is pushed.
  void redo() override {
    if (pushed_) owner_.Restore(after_);
    pushed_ = true;
  }
  void undo() override { owner_.Restore(before_); }
  int id() const override { return typing_ ? kTypingId : -1; }
  bool mergeWith(const QUndoCommand* other) override {
    const auto* next = static_cast<const TDesignStep*>(other);
    // Only more of the same typing: a command run while the edit keeps the
    // focus (a preset, a key of the menu) is a step of its own.
    if (!next->merge_ || next->text() != text()) return false;
    after_ = next->after_;
    // Typing back to where it began leaves no step.
    if (DesignDifference(*before_, *after_).empty()) setObsolete(true);
    return true;
  }
  // Set by the unit on a typing step that continues the previous one.
  bool merge_ = false;

 private:
  TDesignUndo& owner_;
  std::shared_ptr<const TMech> before_;
  std::shared_ptr<const TMech> after_;
  bool typing_;
  bool pushed_ = false;
};

// What the user looks at rather than what the design is: the configuration
// shown, the weapon filter, the mounting direction and the chosen location.
// Choosing them is no command, so a step's "before" takes them as they stand
// when the command runs.
bool SameView(const TMech& a, const TMech& b) {
  return a.ConfigIndex == b.ConfigIndex && a.WeaponFilter == b.WeaponFilter && a.MountMode == b.MountMode &&
         a.CurrentLocation == b.CurrentLocation;
}

std::shared_ptr<const TMech> WithView(const TMech& design, const TMech& view) {
  auto copy = std::make_shared<TMech>(design);
  copy->SelectConfig(view.ConfigIndex);
  copy->WeaponFilter = view.WeaponFilter;
  copy->MountMode = view.MountMode;
  copy->CurrentLocation = view.CurrentLocation;
  return copy;
}

}  // namespace

TDesignUndo::TDesignUndo(TMech& design, QObject* parent) : QObject(parent), design_(design) {
  stack_.setUndoLimit(kStepLimit);
  Reset();
}

void TDesignUndo::Reset() {
  pending_ = false;
  name_.clear();
  lastEditor_ = nullptr;
  stack_.clear();
  stack_.setClean();
  kept_ = std::make_shared<const TMech>(design_);
}

void TDesignUndo::Changed() {
  if (restoring_ || pending_) return;
  pending_ = true;
  QTimer::singleShot(0, this, &TDesignUndo::Commit);
}

void TDesignUndo::Commit() {
  if (!pending_) return;
  pending_ = false;
  QString name = name_;
  name_.clear();
  if (!SameView(*kept_, design_)) kept_ = WithView(*kept_, design_);
  auto now = std::make_shared<const TMech>(design_);
  // A command that reported a change but changed nothing leaves no step.
  if (DesignDifference(*kept_, *now).empty()) {
    emit settled();
    return;
  }
  if (name.isEmpty() && DefaultName) name = DefaultName();

  QWidget* editor = TypingTarget();
  const bool continues = editor && editor == lastEditor_ && lastEdit_.isValid() &&
                         lastEdit_.elapsed() < kTypingPauseMs && stack_.index() == stack_.count() &&
                         !stack_.isClean();
  auto* step = new TDesignStep(*this, kept_, now, name, editor != nullptr);
  step->merge_ = continues;
  lastEditor_ = editor;
  lastEdit_.start();
  kept_ = std::move(now);
  stack_.push(step);
  emit settled();
}

void TDesignUndo::MarkClean() {
  Commit();
  lastEditor_ = nullptr;
  stack_.setClean();
}

void TDesignUndo::Undo() {
  Commit();
  lastEditor_ = nullptr;
  stack_.undo();
}

void TDesignUndo::Redo() {
  Commit();
  lastEditor_ = nullptr;
  stack_.redo();
}

void TDesignUndo::Restore(const std::shared_ptr<const TMech>& snapshot) {
  restoring_ = true;
  design_ = *snapshot;
  kept_ = snapshot;
  if (Restored) Restored();
  restoring_ = false;
}

}  // namespace tfd
