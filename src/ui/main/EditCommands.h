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
  QAction* CopyReadoutAction() const { return copyReadout_; }
  QAction* CopyAllAction() const { return copyAll_; }
  // The readout of one configuration (or every one, for kAllConfigs) on the
  // clipboard: the text readout as plain text, the HTML readout as rich text.
  void CopyReadout(int configIndex);

 private:
  void AddStandardShortcuts();
  void AddTabKeys();
  void AddDeleteKeys();
  void FollowStack();
  void AddSearch();
  void AddCopyCommands();

  TfrmTFD& window_;
  TDesignUndo& undoUnit_;
  QMenu* menu_ = nullptr;
  QAction* undo_ = nullptr;
  QAction* redo_ = nullptr;
  QAction* find_ = nullptr;
  TEquipmentSearch* search_ = nullptr;
  QAction* copyReadout_ = nullptr;
  QAction* copyAll_ = nullptr;
};

}  // namespace tfd
