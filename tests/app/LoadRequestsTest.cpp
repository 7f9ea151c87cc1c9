// The shared load-request block: its bytes, the request a command line
// makes, and the hand-over between two copies in one process (each copy is
// a TLoadRequests of the same key; the file locks tell them apart as they
// would two processes).

#include <gtest/gtest.h>

#include <QDir>
#include <QSignalSpy>

#include "LoadKit.h"
#include "app/LoadRequests.h"

using namespace tfd;
using loadkit::Peek;

TEST(LoadInfoBlock, FieldsSitAtTheirOffsetsLittleEndian) {
  TLoadInfoRecord r;
  r.Count = 0x01020304;
  r.FileName = "/d/x.tfc";
  r.Pending = true;
  r.OwnerWindow = 0xA1B2C3D4;
  r.BaseCount = 1;
  const TLoadInfoBytes b = EncodeLoadInfo(r);
  ASSERT_EQ(b.size(), 272u);
  EXPECT_EQ((std::vector<int>{b[0], b[1], b[2], b[3]}), (std::vector<int>{4, 3, 2, 1}));
  EXPECT_EQ(b[4], 8);
  EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(&b[5]), 8), "/d/x.tfc");
  EXPECT_EQ(b[13], 0);
  EXPECT_EQ(b[260], 1);
  EXPECT_EQ((std::vector<int>{b[261], b[262], b[263]}), (std::vector<int>{0, 0, 0}));
  EXPECT_EQ((std::vector<int>{b[264], b[265], b[266], b[267]}), (std::vector<int>{0xD4, 0xC3, 0xB2, 0xA1}));
  EXPECT_EQ((std::vector<int>{b[268], b[269], b[270], b[271]}), (std::vector<int>{1, 0, 0, 0}));

  const TLoadInfoRecord back = DecodeLoadInfo(b.data());
  EXPECT_EQ(back.Count, r.Count);
  EXPECT_EQ(back.FileName, r.FileName);
  EXPECT_TRUE(back.Pending);
  EXPECT_EQ(back.OwnerWindow, r.OwnerWindow);
  EXPECT_EQ(back.BaseCount, 1u);

  // A full name ends just before the flag; longer is never written.
  r.FileName = QByteArray(300, 'n');
  const TLoadInfoBytes full = EncodeLoadInfo(r);
  EXPECT_EQ(full[4], 255);
  EXPECT_EQ(full[259], 'n');
  EXPECT_EQ(full[260], 1);
  EXPECT_EQ(DecodeLoadInfo(full.data()).FileName.size(), 255);
}

TEST(LoadInfoBlock, CommandLineBecomesOneAbsoluteName) {
  // A name the shell split at its blanks is joined back with single blanks.
  EXPECT_EQ(CommandLineRequest({"/home/ann/My", "Big", "Warden.tfc"}, "/tmp"), "/home/ann/My Big Warden.tfc");
  EXPECT_EQ(CommandLineRequest({" ", "/a/b.tfi", ""}, "/tmp"), "/a/b.tfi");
  // Relative names are the starting folder's, since another copy serves them.
  EXPECT_EQ(CommandLineRequest({"designs/Skarn.TXT"}, "/srv/w"), "/srv/w/designs/Skarn.TXT");
  EXPECT_EQ(CommandLineRequest({"../a.tfc"}, "/srv/w"), "/srv/a.tfc");
  EXPECT_TRUE(CommandLineRequest({}, "/srv/w").isEmpty());
  EXPECT_TRUE(CommandLineRequest({"", "  "}, "/srv/w").isEmpty());
}

TEST(LoadInfoBlock, LongNamesAreCutOnACharacterBoundary) {
  EXPECT_EQ(CommandLineRequest({QString(300, 'a')}, "/").size(), 255);
  // "/" then three-byte characters: byte 255 falls inside the 85th.
  const QString euros(100, QChar(0x20AC));
  const QByteArray cut = CommandLineRequest({euros}, "/");
  EXPECT_EQ(cut.size(), 253);
  EXPECT_EQ(QString::fromUtf8(cut), "/" + QString(84, QChar(0x20AC)));
  // Two-byte characters: byte 255 begins one, so nothing more is dropped.
  const QByteArray two = CommandLineRequest({QString(200, QChar(0xE9))}, "/");
  EXPECT_EQ(two.size(), 255);
  EXPECT_EQ(QString::fromUtf8(two), "/" + QString(127, QChar(0xE9)));
}

TEST(LoadInfoBlock, FirstCopyOwnsTheSharedBlock) {
  loadkit::TIsolated iso;
  TLoadRequests first(iso.key);
  EXPECT_EQ(first.Attach(CommandLineRequest({"x.tfi"}, "/d")), TLoadRequests::ERole::Owner);
  // The bytes another process sees.
  const TLoadInfoRecord r = Peek(iso.key);
  EXPECT_EQ(r.Count, 1u);
  EXPECT_EQ(r.BaseCount, 1u);
  EXPECT_EQ(r.FileName, "/d/x.tfi");
  EXPECT_TRUE(r.Pending);
  EXPECT_EQ(r.OwnerWindow, static_cast<std::uint32_t>(QCoreApplication::applicationPid()));
  EXPECT_EQ(TLoadRequests::ProbeOwner(iso.key), r.OwnerWindow);

  QString name;
  ASSERT_TRUE(first.TakeRequest(&name));
  EXPECT_EQ(name, "/d/x.tfi");
  EXPECT_FALSE(first.TakeRequest(&name));  // served once
  EXPECT_FALSE(Peek(iso.key).Pending);

  first.Detach();
  EXPECT_EQ(TLoadRequests::ProbeOwner(iso.key), 0u);
}

TEST(LoadInfoBlock, LaterCopyHandsItsRequestOver) {
  loadkit::TIsolated iso;
  TLoadRequests first(iso.key);
  ASSERT_EQ(first.Attach(), TLoadRequests::ERole::Owner);
  QSignalSpy nudges(&first, &TLoadRequests::nudged);

  {
    TLoadRequests later(iso.key);
    ASSERT_EQ(later.Attach(CommandLineRequest({"b.tfc"}, "/e")), TLoadRequests::ERole::Later);
    EXPECT_EQ(Peek(iso.key).Count, 2u);
    QString name;
    EXPECT_FALSE(later.PendingRequest(&name));  // only the owner serves
    ASSERT_TRUE(first.PendingRequest(&name));
    EXPECT_EQ(name, "/e/b.tfc");
    EXPECT_TRUE(later.HandOver());
  }
  EXPECT_EQ(Peek(iso.key).Count, 1u);  // the later copy has left
  ASSERT_TRUE(nudges.wait(5000));
  EXPECT_EQ(nudges.count(), 1);
  QString name;
  EXPECT_TRUE(first.TakeRequest(&name));
  EXPECT_EQ(name, "/e/b.tfc");
}

TEST(LoadInfoBlock, LaterCopyWhoseOwnerEndsTakesItsPlace) {
  loadkit::TIsolated iso;
  TLoadRequests first(iso.key);
  ASSERT_EQ(first.Attach(), TLoadRequests::ERole::Owner);
  TLoadRequests later(iso.key);
  ASSERT_EQ(later.Attach(CommandLineRequest({"c.tfi"}, "/g")), TLoadRequests::ERole::Later);
  first.Detach();  // the owner closes while the later copy hands over

  EXPECT_FALSE(later.HandOver());
  ASSERT_TRUE(later.IsOwner());
  QString name;
  ASSERT_TRUE(later.PendingRequest(&name));  // it serves its file itself
  EXPECT_EQ(name, "/g/c.tfi");
  EXPECT_EQ(TLoadRequests::ProbeOwner(iso.key),
            static_cast<std::uint32_t>(QCoreApplication::applicationPid()));
  // And it listens for the copies after it.
  QSignalSpy nudges(&later, &TLoadRequests::nudged);
  TLoadRequests next(iso.key);
  ASSERT_EQ(next.Attach(), TLoadRequests::ERole::Later);
  EXPECT_TRUE(next.HandOver());
  EXPECT_TRUE(nudges.wait(5000));
}
