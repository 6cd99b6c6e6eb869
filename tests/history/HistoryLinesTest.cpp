#include <gtest/gtest.h>

#include <QFile>

#include "ScratchDir.h"
#include "history/HistoryList.h"
#include "history/HistoryText.h"

namespace {

// A file's lines are stretches of the buffer it was read into, and appended lines are added to
// that buffer: each case loads a file, appends lines one by one and checks the lines read back
// after every append, then the saved bytes and a fresh load of them.
struct AppendCase {
  const char* name;
  QByteArray file;  // null: no file
  QList<QByteArray> appended;
  QList<QByteArray> lines;  // the loaded lines, then the appended ones
  QByteArray saved;
};

class HistoryAppendTest : public ::testing::TestWithParam<AppendCase> {};

TEST_P(HistoryAppendTest, ReadsBackEveryLineAndSavesThem) {
  const AppendCase& c = GetParam();
  ScratchDir dir;
  if (!c.file.isNull()) WriteBytes(dir.HistoryPath(), c.file);
  HistoryList list(dir.HistoryPath());
  list.Load();
  const qsizetype loaded = c.lines.size() - c.appended.size();
  ASSERT_EQ(list.Lines(), c.lines.first(loaded));
  for (qsizetype i = 0; i < c.appended.size(); ++i) {
    list.AppendAndSave(c.appended.at(i));
    ASSERT_EQ(list.Lines(), c.lines.first(loaded + i + 1)) << "after appending line " << i;
  }
  EXPECT_EQ(ReadBytes(dir.HistoryPath()), c.saved);
  HistoryList again(dir.HistoryPath());
  again.Load();
  EXPECT_EQ(again.Lines(), c.lines);
}

// Lines "line 0" to "line <count - 1>", and the file holding them.
QList<QByteArray> NumberedLines(int count) {
  QList<QByteArray> lines;
  lines.reserve(count);
  for (int i = 0; i < count; ++i) lines.append("line " + QByteArray::number(i));
  return lines;
}

AppendCase ManyLines() {
  const QList<QByteArray> loaded = NumberedLines(200000);
  const QList<QByteArray> appended{"new one", "new two", "new three"};
  const QByteArray file = JoinHistoryText(loaded);
  return {"ManyLines", file, appended, loaded + appended, file + JoinHistoryText(appended)};
}

INSTANTIATE_TEST_SUITE_P(
    Representation, HistoryAppendTest,
    ::testing::Values(
        AppendCase{"NoFile", QByteArray(), {"a", "b"}, {"a", "b"}, "a\r\nb\r\n"},
        AppendCase{"EmptyFile", "", {"a"}, {"a"}, "a\r\n"},
        AppendCase{"LastLineWithoutLineEnd", "x\r\ny", {"new", "z"}, {"x", "y", "new", "z"},
                   "x\r\ny\r\nnew\r\nz\r\n"},
        AppendCase{"LoneCr", "x\ry\r", {"new"}, {"x", "y", "new"}, "x\r\ny\r\nnew\r\n"},
        AppendCase{"LoneCrLast", "x\r\ny\r", {"new"}, {"x", "y", "new"}, "x\r\ny\r\nnew\r\n"},
        AppendCase{"LoneLf", "x\ny\n", {"new"}, {"x", "y", "new"}, "x\r\ny\r\nnew\r\n"},
        AppendCase{"EmptyLines", "\r\n\n\r", {"", "e"}, {"", "", "", "", "e"}, "\r\n\r\n\r\n\r\ne\r\n"},
        AppendCase{"BytesAfterAZero", QByteArray("x\r\nyy\0tail\r\n", 12), {"new", "two"},
                   {"x", "yy", "new", "two"}, QByteArray("x\r\nyy\r\nnew\r\ntwo\r\n\0tail\r\n", 24)},
        AppendCase{"OnlyBytesAfterAZero", QByteArray("\0x", 2), {"new"}, {"new"}, QByteArray("new\r\n\0x", 7)},
        ManyLines()),
    [](const auto& info) { return std::string(info.param.name); });

// Lines share their buffer with the text they were split from and with their copies; appending
// to one of them must leave the others as they were.
TEST(HistoryLinesSharing, AppendChangesOnlyTheListAppendedTo) {
  const QByteArray text = "a\r\nb";
  HistoryLines lines = SplitHistoryText(text);
  const HistoryLines copy = lines;
  lines.append("c");
  EXPECT_EQ(text, "a\r\nb");
  EXPECT_EQ(copy, (QList<QByteArray>{"a", "b"}));
  EXPECT_EQ(lines, (QList<QByteArray>{"a", "b", "c"}));
}

TEST(HistoryLinesSharing, AppendsALineOfItsOwn) {
  HistoryLines lines = SplitHistoryText("first\r\nsecond\r\n");
  for (int i = 0; i < 12; ++i) lines.append(lines.at(i % 2));  // the buffer moves while read
  ASSERT_EQ(lines.size(), 14);
  for (qsizetype i = 0; i < lines.size(); ++i) EXPECT_EQ(lines.at(i), i % 2 == 0 ? "first" : "second") << i;
}

}  // namespace
