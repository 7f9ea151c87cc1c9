#pragma once
// What the load-request tests share: a block key and a runtime folder of
// their own for every case, so no case meets a developer's running copy or
// another case run at the same time, and a look at the raw block.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QSharedMemory>
#include <QStringList>
#include <QTemporaryDir>
#include <ostream>

#include "app/LoadRequests.h"

// Failures print the text, not its code units.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
inline void PrintTo(const QStringList& l, std::ostream* os) { *os << l.join(" / ").toStdString(); }

namespace tfd::loadkit {

// Sets XDG_RUNTIME_DIR to a private folder (children inherit it) and makes a
// key from the process and the running case; leftovers go at the end.
class TIsolated {
 public:
  TIsolated() {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    key = QString("tfd-test-%1-%2-%3")
              .arg(QCoreApplication::applicationPid())
              .arg(info ? info->test_suite_name() : "suite", info ? info->name() : "case");
    qputenv("XDG_RUNTIME_DIR", runtime.path().toUtf8());
  }
  ~TIsolated() { TLoadRequests::RemoveLeftovers(key); }

  QTemporaryDir runtime;
  QString key;
};

// The block as it is now, read without becoming one of its copies.
inline TLoadInfoRecord Peek(const QString& key) {
  QSharedMemory memory(key);
  if (!memory.attach(QSharedMemory::ReadOnly)) return {};
  memory.lock();
  TLoadInfoRecord r = DecodeLoadInfo(static_cast<const std::uint8_t*>(memory.constData()));
  memory.unlock();
  memory.detach();
  return r;
}

}  // namespace tfd::loadkit
