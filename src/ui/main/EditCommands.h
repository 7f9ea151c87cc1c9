#pragma once
// The Edit menu (undo, redo, finding equipment) and the keys every desktop
// program answers to, added to the main window beside its own shortcuts.

#include <QObject>

class QAction;
class QMenu;

namespace tfd {

class TDesignUndo;
class TEquipmentSearch;
class TfrmTFD;

class TEditCommands : public QObject {
  Q_OBJECT

 public:
  TEditCommands(TfrmTFD& window, TDesignUndo& undo);

  QMenu* Menu() const { return menu_; }
  QAction* UndoAction() const { return undo_; }
  QAction* RedoAction() const { return redo_; }
  QAction* FindAction() const { return find_; }
  TEquipmentSearch* Search() const { return search_; }

 private:
  void AddStandardShortcuts();
  void AddTabKeys();
  void AddDeleteKeys();
  void FollowStack();
  void AddSearch();

  TfrmTFD& window_;
  TDesignUndo& undoUnit_;
  QMenu* menu_ = nullptr;
  QAction* undo_ = nullptr;
  QAction* redo_ = nullptr;
  QAction* find_ = nullptr;
  TEquipmentSearch* search_ = nullptr;
};

}  // namespace tfd
