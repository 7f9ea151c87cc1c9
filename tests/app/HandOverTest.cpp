// The program itself, started twice: the later copy hands its file to the
// first and ends, a killed first copy does not stop the next start, and two
// copies started together lose neither file. Each copy runs offscreen with
// its message boxes answered and logged through the environment.

#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>
#include <memory>

#include "LoadKit.h"
#include "app/LoadRequests.h"

using namespace tfd;
using loadkit::Peek;

namespace {

const QString kWrongVersion = "Titanframe Designer|Cannot Open File\rWrong Version";

class HandOver : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(work.isValid());
    log = work.filePath("messages.log");
  }
  void TearDown() override {
    for (auto& copy : copies) {
      if (copy->state() != QProcess::NotRunning) {
        copy->kill();
        copy->waitForFinished(5000);
      }
    }
  }

  QProcess* Start(const QStringList& arguments) {
    auto copy = std::make_unique<QProcess>();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert(kLoadInfoKeyVariable, iso.key);
    env.insert("XDG_RUNTIME_DIR", iso.runtime.path());
    env.insert("TFD_MESSAGE_ANSWER", "ok");
    env.insert("TFD_MESSAGE_LOG", log);
    copy->setProcessEnvironment(env);
    copy->setWorkingDirectory(work.path());
    copy->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    copy->start(QCoreApplication::applicationDirPath() + "/titanframe-designer", arguments);
    EXPECT_TRUE(copy->waitForStarted(10000));
    copies.push_back(std::move(copy));
    return copies.back().get();
  }
  // Until this copy owns the block and listens (or the time is up).
  bool Owns(QProcess* copy, int ms = 30000) {
    QDeadlineTimer deadline(ms);
    while (!deadline.hasExpired()) {
      if (TLoadRequests::ProbeOwner(iso.key) == static_cast<std::uint32_t>(copy->processId())) return true;
      if (copy->state() == QProcess::NotRunning) return false;
      QTest::qWait(50);
    }
    return false;
  }
  QStringList Messages() {
    QFile f(log);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(f.readAll()).split('\n', Qt::SkipEmptyParts);
  }
  // Until the owner has taken the request for this file.
  bool Served(const QString& fileName, int ms = 30000) {
    QDeadlineTimer deadline(ms);
    while (!deadline.hasExpired()) {
      const TLoadInfoRecord r = Peek(iso.key);
      if (!r.Pending && r.FileName == fileName.toUtf8()) return true;
      QTest::qWait(50);
    }
    return false;
  }
  QString Design(const char* sample, const QString& as) {
    const QString target = work.filePath(as);
    QDir().mkpath(QFileInfo(target).absolutePath());
    QFile::copy(QString(TFD_TEST_DATA) + "/" + sample, target);
    return target;
  }
  QString NotADesign(const QString& as) {
    const QString target = work.filePath(as);
    QFile f(target);
    if (f.open(QIODevice::WriteOnly)) f.write("not a design file");
    return target;
  }

  loadkit::TIsolated iso;
  QTemporaryDir work;
  QString log;
  std::vector<std::unique_ptr<QProcess>> copies;
};

}  // namespace

TEST_F(HandOver, SecondCopyHandsItsFileToTheFirstAndEnds) {
  QProcess* first = Start({});
  ASSERT_TRUE(Owns(first));

  // A relative name: the second copy runs in the work folder, the first serves it.
  const QString design = Design("skarn-prime.txt", "designs/skarn prime.txt");
  QProcess* second = Start({"designs/skarn", "prime.txt"});
  ASSERT_TRUE(second->waitForFinished(20000));
  EXPECT_EQ(second->exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(second->exitCode(), 0);
  EXPECT_TRUE(Served(design));
  EXPECT_EQ(first->state(), QProcess::Running);
  EXPECT_TRUE(Messages().isEmpty()) << Messages().join('\n').toStdString();

  // A file the first copy cannot read shows its error there, once.
  const QString bad = NotADesign("broken.tfc");
  QProcess* third = Start({bad});
  ASSERT_TRUE(third->waitForFinished(20000));
  EXPECT_EQ(third->exitCode(), 0);
  EXPECT_TRUE(Served(bad));
  QTest::qWait(300);
  EXPECT_EQ(Messages(), QStringList{kWrongVersion});
  EXPECT_EQ(Peek(iso.key).Count, 1u);
}

TEST_F(HandOver, KilledFirstCopyDoesNotBlockTheNextStart) {
  QProcess* first = Start({});
  ASSERT_TRUE(Owns(first));
  first->kill();  // SIGKILL: nothing is cleaned up
  ASSERT_TRUE(first->waitForFinished(5000));

  const QString bad = NotADesign("after.tfi");
  QProcess* next = Start({bad});
  ASSERT_TRUE(Owns(next)) << "the next copy did not take the block over";
  EXPECT_TRUE(Served(bad));
  QTest::qWait(300);
  EXPECT_EQ(Messages(), QStringList{kWrongVersion});  // it served its own file
  EXPECT_EQ(next->state(), QProcess::Running);

  // And it serves the copies after it.
  QProcess* later = Start({bad});
  ASSERT_TRUE(later->waitForFinished(20000));
  EXPECT_EQ(later->exitCode(), 0);
  EXPECT_TRUE(Served(bad));
  QTest::qWait(300);
  EXPECT_EQ(Messages().size(), 2);
}

TEST_F(HandOver, TwoCopiesStartedTogetherLoseNeitherFile) {
  const QString missing = work.filePath("missing.tfc");
  const QString bad = NotADesign("bad.tfc");
  QProcess* a = Start({missing});
  QProcess* b = Start({bad});

  // One of them ends on its own; the other owns the block.
  QDeadlineTimer deadline(30000);
  while (a->state() == QProcess::Running && b->state() == QProcess::Running && !deadline.hasExpired())
    QTest::qWait(50);
  QProcess* ended = a->state() == QProcess::Running ? b : a;
  QProcess* owner = ended == a ? b : a;
  ASSERT_EQ(ended->state(), QProcess::NotRunning);
  ended->waitForFinished(5000);
  EXPECT_EQ(ended->exitCode(), 0);
  ASSERT_TRUE(Owns(owner));

  // Both files reached the owner, each error shown once.
  const QString last = ended == a ? missing : bad;
  EXPECT_TRUE(Served(last));
  QTest::qWait(300);
  const QStringList messages = Messages();
  EXPECT_EQ(messages.size(), 2);
  EXPECT_EQ(messages.count("Titanframe Designer|Cannot open file \"" + missing + "\""), 1);
  EXPECT_EQ(messages.count(kWrongVersion), 1);
}
