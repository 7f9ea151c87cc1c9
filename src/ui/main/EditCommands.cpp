#include "ui/main/EditCommands.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMimeData>
#include <QShortcut>
#include <QTabWidget>

#include "equipment/EquipmentLists.h"
#include "files/HtmlReadoutWriter.h"
#include "files/TextReadoutWriter.h"
#include "ui/main/DesignUndo.h"
#include "ui/main/EquipmentSearch.h"
#include "ui/main/TfrmTFD.h"
#include "ui/main/WeaponsPage.h"

namespace tfd {

namespace {

// Keeps a command's own key first (it is the one its menu shows) and adds the
// standard one after it.
void AddKey(QAction* action, const QKeySequence& key) {
  if (!action) return;
  QList<QKeySequence> keys = action->shortcuts();
  if (!keys.contains(key)) keys << key;
  action->setShortcuts(keys);
}

}  // namespace

TEditCommands::TEditCommands(TfrmTFD& window, TDesignUndo& undo)
    : QObject(&window), window_(window), undoUnit_(undo) {
  menu_ = new QMenu(tr("&Edit"), &window);
  menu_->setObjectName("EditMenu");
  // Between File and Options.
  const QMenu* options = window.findChild<QMenu*>("OptionsMenu");
  window.menuBar()->insertMenu(options ? options->menuAction() : nullptr, menu_);

  undo_ = menu_->addAction(tr("&Undo"));
  undo_->setObjectName("EditUndoItem");
  undo_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
  connect(undo_, &QAction::triggered, this, [this] { undoUnit_.Undo(); });
  redo_ = menu_->addAction(tr("&Redo"));
  redo_->setObjectName("EditRedoItem");
  redo_->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
  connect(redo_, &QAction::triggered, this, [this] { undoUnit_.Redo(); });
  menu_->addSeparator();
  find_ = menu_->addAction(tr("&Find Equipment"));
  find_->setObjectName("EditFindItem");
  find_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
  AddCopyCommands();

  FollowStack();
  AddSearch();
  AddStandardShortcuts();
  AddTabKeys();
  AddDeleteKeys();
}

void TEditCommands::FollowStack() {
  QUndoStack& stack = undoUnit_.Stack();
  auto update = [this, &stack] {
    undo_->setEnabled(stack.canUndo());
    redo_->setEnabled(stack.canRedo());
    undo_->setText(stack.canUndo() ? tr("&Undo %1").arg(stack.undoText()) : tr("&Undo"));
    redo_->setText(stack.canRedo() ? tr("&Redo %1").arg(stack.redoText()) : tr("&Redo"));
  };
  connect(&stack, &QUndoStack::indexChanged, this, update);
  connect(&stack, &QUndoStack::cleanChanged, this, update);
  update();
}

void TEditCommands::AddSearch() {
  auto* list = window_.findChild<QListWidget*>("lbWepType");
  auto* add = window_.findChild<QAbstractButton*>("btnAddWep");
  if (!list || !add) {
    find_->setEnabled(false);
    return;
  }
  TEquipmentSearch::TSources sources;
  sources.Everything = [this] {
    std::vector<const TWepInfo*> every;
    TEquipmentLists* lists = window_.Equipment();
    if (!lists) return every;
    TMech& m = window_.Design();
    lists->UpdateDesignDependent(m);
    for (int category = 0; category < kCategoryCount; ++category) {
      if (!CategoryOffered(m, static_cast<ECategory>(category))) continue;
      for (const TWepInfo* info :
           OfferedEquipment(*lists, static_cast<ECategory>(category), m.WeaponFilter, false))
        every.push_back(info);
    }
    return every;
  };
  sources.Rebuild = [this] { window_.WeaponsPage()->FillEquipmentList(); };
  search_ = new TEquipmentSearch(*list, *add, std::move(sources));
  auto* tabs = window_.findChild<QTabWidget*>("pcMain");
  auto* weapons = window_.findChild<QWidget*>("tsWeapons");
  connect(find_, &QAction::triggered, this, [this, tabs, weapons] {
    if (tabs && weapons) tabs->setCurrentWidget(weapons);
    search_->Field()->setFocus(Qt::ShortcutFocusReason);
    search_->Field()->selectAll();
  });
}

void TEditCommands::AddStandardShortcuts() {
  auto key = [this](const char* action, const QKeySequence& sequence) {
    AddKey(window_.findChild<QAction*>(action), sequence);
  };
  key("FileNewItem", QKeySequence(Qt::CTRL | Qt::Key_N));
  key("FileOpenItem", QKeySequence(Qt::CTRL | Qt::Key_O));
  key("FileSaveItem", QKeySequence(Qt::CTRL | Qt::Key_S));
  key("FileSaveAsItem", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
  key("FilePrintItem", QKeySequence(Qt::CTRL | Qt::Key_P));
  key("FileExitItem", QKeySequence(Qt::CTRL | Qt::Key_Q));
  key("HelpAboutItem", QKeySequence(Qt::Key_F1));
}

void TEditCommands::AddTabKeys() {
  QTabWidget* tabs = window_.findChild<QTabWidget*>("pcMain");
  if (!tabs) return;
  // Clicking the tab bar is what the program's tab change expects; going by
  // key is the same user action.
  auto step = [tabs](int by) {
    const int count = tabs->count();
    if (count == 0) return;
    int index = tabs->currentIndex();
    for (int tries = 0; tries < count; ++tries) {
      index = (index + by + count) % count;
      if (tabs->isTabEnabled(index) && tabs->isTabVisible(index)) break;
    }
    tabs->setCurrentIndex(index);
  };
  auto* next = new QAction(tr("Next Tab"), &window_);
  next->setObjectName("NextTabItem");
  next->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Tab));
  connect(next, &QAction::triggered, this, [step] { step(1); });
  auto* previous = new QAction(tr("Previous Tab"), &window_);
  previous->setObjectName("PreviousTabItem");
  previous->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab));
  connect(previous, &QAction::triggered, this, [step] { step(-1); });
  window_.addAction(next);
  window_.addAction(previous);
}

void TEditCommands::AddDeleteKeys() {
  // Delete acts only where the focus is on a list of placed items, so text
  // edits keep the key for themselves.
  struct Target {
    const char* list;
    const char* button;
  };
  const Target targets[] = {{"lbWepList", "btnDelWep"}};
  for (const Target& t : targets) {
    auto* list = window_.findChild<QListWidget*>(t.list);
    auto* button = window_.findChild<QAbstractButton*>(t.button);
    if (!list || !button) continue;
    auto* key = new QShortcut(QKeySequence::Delete, list, nullptr, nullptr, Qt::WidgetShortcut);
    connect(key, &QShortcut::activated, button, [button] {
      if (button->isEnabled()) button->click();
    });
  }
  // The slot lists of the critical sheet share one delete button.
  QWidget* sheet = window_.findChild<QWidget*>("tsCriticals");
  auto* button = window_.findChild<QAbstractButton*>("btnCritDelete");
  if (sheet && button) {
    auto* key = new QShortcut(QKeySequence::Delete, sheet, nullptr, nullptr, Qt::WidgetWithChildrenShortcut);
    connect(key, &QShortcut::activated, button, [button] {
      if (button->isEnabled()) button->click();
    });
  }
}

void TEditCommands::AddCopyCommands() {
  menu_->addSeparator();
  copyReadout_ = menu_->addAction(tr("&Copy Readout"));
  copyReadout_->setObjectName("EditCopyReadoutItem");
  copyAll_ = menu_->addAction(tr("Copy &All Configurations"));
  copyAll_->setObjectName("EditCopyAllItem");
  connect(copyReadout_, &QAction::triggered, this, [this] { CopyReadout(window_.Design().ConfigIndex); });
  connect(copyAll_, &QAction::triggered, this, [this] { CopyReadout(kAllConfigs); });
  // Only what can act is enabled: a readout needs the equipment table, and
  // "all" means something only to an Omni design.
  connect(menu_, &QMenu::aboutToShow, this, [this] {
    const bool lists = window_.Equipment() != nullptr;
    copyReadout_->setEnabled(lists);
    copyAll_->setEnabled(lists && window_.Design().IsOmni());
  });
}

void TEditCommands::CopyReadout(int configIndex) {
  const TEquipmentLists* lists = window_.Equipment();
  if (!lists) return;
  const TMech& design = window_.Design();
  auto* data = new QMimeData;
  data->setText(QString::fromStdString(TextReadout(design, *lists, configIndex)));
  data->setHtml(QString::fromStdString(HtmlReadout(design, *lists, THtmlPage{}, configIndex)));
  QGuiApplication::clipboard()->setMimeData(data);
}

}  // namespace tfd
