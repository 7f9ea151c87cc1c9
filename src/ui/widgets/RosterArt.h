#pragma once
// The pictures of the Unit Roster tab, drawn by code: a Titanframe for the
// slot buttons and a Framewarden for the pilot buttons, plain and in the three
// colours that mark the row groups of a unit (lances, stars, level IIs).

#include <QList>
#include <QObject>
#include <QPixmap>

namespace tfd {

// Images 0..2: Titanframe of group 1..3; 3: plain Framewarden; 4..6:
// Framewarden of group 1..3; 7: plain Titanframe.
constexpr int kRosterImageCount = 8;
constexpr int kRosterImagePlainPilot = 3;
constexpr int kRosterImagePlainFrame = 7;

// Image list of the tab, so a test or a reader finds it by name.
class TRosterImages : public QObject {
  Q_OBJECT

 public:
  explicit TRosterImages(int side, QObject* parent = nullptr);

  const QPixmap& Image(int index) const;
  int Count() const { return static_cast<int>(images_.size()); }

 private:
  QList<QPixmap> images_;
};

}  // namespace tfd
