#include <gtest/gtest.h>

#include "FilesKit.h"
#include "RandomDesigns.h"
#include "files/ByteWriter.h"
#include "files/DesignFile.h"
#include "files/DesignFileWriter.h"
#include "files/Windows1252.h"

namespace tfd {
namespace {

std::string Write(const TMech& m) { return WriteDesignFile(m, kit::Lists()); }

TEST(Real6Writer, EncodesWhatTheReaderDecodes) {
  for (double v : {0.0, 0.5, 1.0, -1.0, 2.5, 7.75, 0.1, 1e-6, 123456.789, -0.375, 100.0, 1e30}) {
    unsigned char b[6];
    PutReal6(v, b);
    EXPECT_NEAR(Real6(b), v, std::fabs(v) * 1e-11) << v;
  }
  unsigned char b[6];
  PutReal6(1.0 - 1e-15, b);  // rounds up to the next power of two
  EXPECT_DOUBLE_EQ(Real6(b), 1.0);
  PutReal6(1e-60, b);  // below the exponent's range
  EXPECT_EQ(Real6(b), 0.0);
  PutReal6(1e300, b);  // above it: the largest value, not a wrapped exponent
  EXPECT_GT(Real6(b), 1e38);
}

TEST(Windows1252Writer, KeepsTheCodePageAndMarksWhatItCannot) {
  std::string out;
  EXPECT_TRUE(ToWindows1252("Sch\xc3\xa9rzo \xe2\x82\xac", out));
  EXPECT_EQ(out, "Sch\xe9rzo \x80");
  EXPECT_FALSE(
      ToWindows1252("a\xd0\x96"
                    "b",
                    out));
  EXPECT_EQ(out, "a?b");
  EXPECT_FALSE(ToWindows1252("\xff\xc3", out));  // not UTF-8
  EXPECT_EQ(out, "??");
}

TEST(DesignFileWriter, SamplesReadWriteReadToTheSameDesignAndTheSameBytes) {
  for (const char* name : {"brennock-bk1.TFI", "torvek-tk4q.TFI", "vashti-prime.TFC", "hollow-warden-hw3.txt",
                           "hollow-warden-hw3.html", "skarn-prime.txt", "quillon-qn2.txt"}) {
    kit::TLoader first, second, third;
    ASSERT_TRUE(first.LoadSample(name).Ok()) << name;
    const std::string bytes = Write(first.design);
    ASSERT_TRUE(second.Load("copy.TFC", bytes).Ok()) << name;
    const std::string again = Write(second.design);
    EXPECT_TRUE(kit::SameBytes(again, bytes)) << name;
    kit::ExpectSameDesign(first.design, second.design, name);
    ASSERT_TRUE(third.Load("copy.TFC", again).Ok());
    EXPECT_TRUE(kit::SameBytes(Write(third.design), again)) << name;
  }
}

TEST(DesignFileWriter, LayoutIsTheReadersWithTheExtensionAfterTheOverview) {
  kit::TLoader l;
  ASSERT_TRUE(l.LoadSample("brennock-bk1.TFI").Ok());
  const std::string bytes = Write(l.design);
  EXPECT_EQ(bytes.substr(0, 2), std::string("\x07\x09", 2));
  EXPECT_EQ(bytes.substr(bytes.size() - 4), "TFDX");
  EXPECT_EQ(bytes.substr(2, 2 + 13), std::string("\x0d\x00", 2) + "Brennock BK-1");

  // Without its extension the file still reads as a plain design file.
  const std::uint32_t length = static_cast<unsigned char>(bytes[bytes.size() - 8]) |
                               static_cast<unsigned char>(bytes[bytes.size() - 7]) << 8;
  const std::string plain = bytes.substr(0, bytes.size() - 8 - length);
  kit::TLoader p;
  ASSERT_TRUE(p.Load("plain.TFI", plain).Ok());
  kit::ExpectSameDesign(l.design, p.design, "plain layout");
}

TEST(DesignFileWriter, RandomDesignsRoundTripFieldByField) {
  kit::TRandomDesigns random(20261208);
  for (int i = 0; i < 1500; ++i) {
    kit::TLoader original, loaded;
    random.Fill(original.design);
    const std::string bytes = Write(original.design);
    const TLoadResult r = loaded.Load("random.TFC", bytes);
    ASSERT_TRUE(r.Ok()) << i;
    ASSERT_TRUE(r.Warnings.empty()) << i << ": the reader left something of a written file out";
    // From the first read on, the bytes are a fixed point. (The edited design
    // may differ in the fixed items of configurations not shown since their
    // last change, which the rules pass lays again when they are shown.)
    const std::string again = Write(loaded.design);
    kit::TLoader reloaded;
    ASSERT_TRUE(reloaded.Load("again.TFC", again).Ok());
    EXPECT_TRUE(kit::SameBytes(Write(reloaded.design), again)) << "design " << i;
    kit::ExpectSameDesign(original.design, loaded.design, "design " + std::to_string(i));
    if (HasFailure()) break;
  }
}

TEST(DesignFileWriter, SaysWhatItCannotKeep) {
  kit::TLoader l;
  ASSERT_TRUE(l.LoadSample("vashti-prime.TFC").Ok());
  EXPECT_TRUE(DesignFileLosses(l.design, kit::Lists()).empty());
  // An item of custom equipment and a loadout after F.
  const TWepInfo* custom = nullptr;
  for (int id = kFirstCustomId; id < kFirstCustomAmmoId && !custom; ++id) custom = kit::Lists().BySaveNum(id);
  ASSERT_NE(custom, nullptr);
  l.design.Configs[1]->Items.Insert(MakeWeapon(custom->Info))->Location = lcBin;
  l.design.Configs[9]->Items.Insert(MakeWeapon(kit::RowBySave97(102)))->Location = lcBin;
  const std::vector<std::string> losses = DesignFileLosses(l.design, kit::Lists());
  ASSERT_EQ(losses.size(), 2u);
  EXPECT_NE(losses[0].find("1 item(s) of custom equipment"), std::string::npos);
  EXPECT_NE(losses[1].find("1 alternate configuration(s) after F"), std::string::npos);
}

TEST(DesignFileWriter, DamagedExtensionIsIgnoredAndTheLayoutStillReads) {
  kit::TRandomDesigns random(7);
  kit::TLoader original;
  random.Fill(original.design, false);
  std::string bytes = Write(original.design);
  for (std::size_t cut : {std::size_t{1}, std::size_t{5}, std::size_t{9}}) {
    std::string damaged = bytes;
    damaged[damaged.size() - 8] = static_cast<char>(0xFF);  // a length beyond the file
    damaged[damaged.size() - 7] = static_cast<char>(0xFF);
    damaged.erase(damaged.size() - 8 - cut, 1);
    kit::TLoader l;
    EXPECT_TRUE(l.Load("damaged.TFC", damaged).Ok());
    EXPECT_EQ(l.design.Tonnage, original.design.Tonnage);
    EXPECT_EQ(l.design.Texts[txtModel], original.design.Texts[txtModel]);
  }
}

TEST(DesignFileWriter, WhateverTheReaderAcceptsWritesAndReadsBackTheSame) {
  // Samples with bytes changed at random: every file that loads writes a
  // file that loads to a design writing the very same bytes.
  std::mt19937 rng(2311);
  int loaded = 0;
  for (const char* name : {"brennock-bk1.TFI", "torvek-tk4q.TFI", "vashti-prime.TFC"}) {
    kit::TLoader l;
    ASSERT_TRUE(l.LoadSample(name).Ok());
    const std::string written = Write(l.design);
    for (const std::string& base : {kit::ReadSample(name), written}) {
      for (int i = 0; i < 300; ++i) {
        std::string bytes = base;
        const int changes = std::uniform_int_distribution<int>(1, 6)(rng);
        for (int c = 0; c < changes; ++c)
          bytes[std::uniform_int_distribution<std::size_t>(2, bytes.size() - 1)(rng)] =
              static_cast<char>(std::uniform_int_distribution<int>(0, 255)(rng));
        kit::TLoader first, second;
        if (!first.Load("f.TFI", bytes).Ok()) continue;
        ++loaded;
        const std::string once = Write(first.design);
        ASSERT_TRUE(second.Load("f.TFI", once).Ok()) << name << " " << i;
        // The loader rebuilds the power-plant text, and does not always come
        // back to the same text for a rating of 0 ("Hollins 0" becomes
        // "Hollins 0 0"): that text is compared as the writer wrote it.
        second.design.Texts[txtPowerPlant] = first.design.Texts[txtPowerPlant];
        ASSERT_TRUE(kit::SameBytes(Write(second.design), once)) << name << " " << i;
      }
    }
  }
  EXPECT_GT(loaded, 300);
}

}  // namespace
}  // namespace tfd
