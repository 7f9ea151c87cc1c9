#pragma once
// The Armor tab: armour points of the eleven sections with their types,
// equalising, the torso ratio, the allocation presets and the diagram.

#include <QWidget>
#include <array>
#include <memory>

namespace Ui {
class ArmorPage;
}

namespace tfd {

class IDesignHost;
class TComponentMenus;
class TDropButton;
class TMech;
class TSpinEdit;

// One armour edit: its section, the other member of its torso pair, its
// mirror across the body and the equalise bit that joins them, the structure
// value that limits it, and the diagram pictures for it alone and equalised.
struct TArmorSection {
  TSpinEdit* Edit;
  int Section;
  int Pair;       // -1: none
  int Mirror;     // -1: none
  int MirrorBit;  // 0: none
  int Structure;  // index into TMech::Structure
  int Picture;
  int EqualisedPicture;
};

class TArmorPage : public QWidget {
  Q_OBJECT

 public:
  TArmorPage(IDesignHost& host, TComponentMenus& menus, QWidget* parent = nullptr);
  ~TArmorPage() override;

  // The Armor section of the refresh. Edits typed in a spin edit refresh only
  // the figures, not the buttons and headings.
  void Refresh(QObject* sender);
  // The armour button (tag 1 the design, 2..12 a section) that is down, or 0.
  int PressedArmorButton() const;
  // The diagram without a highlighted section.
  void ClearDiagramHighlight();

 private:
  void OnArmorEdited(const TArmorSection& s);
  void OnArmorFocus(const TArmorSection& s, bool in);
  void OnMirrorClicked(int bit);
  void OnRatioEdited(TSpinEdit* edit);
  void OnPreset(int percent);
  void UpdateTabOrder();
  void NameSections();
  // The parts of the refresh.
  void ShowValuesAndTotals(const TMech& m);
  void ShowArmorTypes(const TMech& m);
  void ShowStructureAndEqualising(const TMech& m);
  void ShowBodyShape(const TMech& m);

  std::unique_ptr<Ui::ArmorPage> ui_;
  IDesignHost& host_;
  std::array<TArmorSection, 11> sections_;
  bool presetInProgress_ = false;
  std::array<TDropButton*, 12> armorButtons_{};  // by tag 1..12, [0] the design's
};

}  // namespace tfd
