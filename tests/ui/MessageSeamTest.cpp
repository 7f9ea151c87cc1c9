#include <gtest/gtest.h>

#include "ui/common/MessageSeam.h"

using namespace tfd;

TEST(TMessageSeam, AnswersInOrderAndRecordsEachBox) {
  TMessageSeam::ClearShown();
  TMessageSeam::SetNextAnswer(QMessageBox::No);
  TMessageSeam::SetNextAnswer(QMessageBox::Yes);
  EXPECT_EQ(TMessageSeam::AskYesNoCancel(nullptr, "Clear Design", "Save?"), QMessageBox::No);
  EXPECT_EQ(TMessageSeam::AskYesNoCancel(nullptr, "Confirm Exit", "Exit?"), QMessageBox::Yes);
  // With no answer left, a question is cancelled rather than shown.
  EXPECT_EQ(TMessageSeam::AskYesNoCancel(nullptr, "Confirm", "Load?"), QMessageBox::Cancel);
  TMessageSeam::Warn(nullptr, "Warning", "Location is full.");
  EXPECT_EQ(TMessageSeam::Shown(), (QStringList{"Clear Design|Save?", "Confirm Exit|Exit?", "Confirm|Load?",
                                                "Warning|Location is full."}));
}
