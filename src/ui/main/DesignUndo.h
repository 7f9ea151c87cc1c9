#pragma once
// Undo and redo of the design by snapshots. The unit keeps a copy of the
// design as it was after the last step; when a command reports a change, the
// step (that copy before, a fresh copy after) goes on the stack once the
// command has run to its end, so one command is one step however often it
// reports. Typing in one edit without a long pause is one step too. Undo and
// redo copy a snapshot back into the design; the host runs the rules pass and
// refreshes the pages.

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QUndoStack>
#include <functional>
#include <memory>

namespace tfd {

class TMech;

class TDesignUndo : public QObject {
  Q_OBJECT

 public:
  // Steps kept before the oldest are forgotten: each holds up to two copies
  // of the design (a few hundred kilobytes for a full Omni design).
  static constexpr int kStepLimit = 100;
  // Typing in the same edit merges into one step until a pause this long.
  static constexpr int kTypingPauseMs = 1500;

  TDesignUndo(TMech& design, QObject* parent = nullptr);

  QUndoStack& Stack() { return stack_; }
  // What the host does after a snapshot was copied into the design.
  std::function<void()> Restored;

  // Forgets every step and takes the design as it is now as the clean state
  // (after New and a load).
  void Reset();
  // The design changed; the step is pushed when control returns to the event
  // loop (or at the next Commit).
  void Changed();
  // Names the step of the command that runs now ("Add Medium Laser").
  void NameStep(const QString& name) { name_ = name; }
  // Pushes a pending step now.
  void Commit();
  // The design as it stands was saved.
  void MarkClean();
  void Undo();
  void Redo();
  bool Restoring() const { return restoring_; }
  // The name a step takes when its command gave none.
  std::function<QString()> DefaultName;

  // Called by a step.
  void Restore(const std::shared_ptr<const TMech>& snapshot);

 signals:
  // A reported change was taken as a step or found to be no change at all.
  void settled();

 private:
  TMech& design_;
  QUndoStack stack_;
  std::shared_ptr<const TMech> kept_;
  QString name_;
  bool pending_ = false;
  bool restoring_ = false;
  QPointer<QObject> lastEditor_;
  QElapsedTimer lastEdit_;
};

}  // namespace tfd
