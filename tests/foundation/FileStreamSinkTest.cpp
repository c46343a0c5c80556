#include "ZQ_FileStreamSink.h"

#include <gtest/gtest.h>

#include <string>

#include "AssertionTestSupport.h"
#include "ScratchFileSupport.h"
#include "WinApiTestSupport.h"
#include "ZQ_TextOutputFileStream.h"
#include "ZQ_TextStreamFormatterManipulator.h"

namespace {

// One file in a scratch folder of its own, removed at the end of the test.
class ScratchFile {
 public:
  explicit ScratchFile(const char* Stem) : folder(Stem), name(folder / "file.txt") {}

  void Put(const std::string& Text) const { folder.Put("file.txt", Text); }
  std::string Get() const { return ScratchFolder::Get(name); }
  // True while someone holds the file open.
  bool IsLocked() const {
    return ScratchFolder::Exists(name) && !ScratchFolder::CanOpenExclusively(name);
  }

  const ScratchFolder folder;
  const std::string name;
};

using FileStreamSink = ApiFailureModeTest;

}  // namespace

TEST_F(FileStreamSink, WritesCreatesTruncatesAndAppends) {
  const ScratchFile file("zq-sink");
  file.Put("old content");
  {
    ZQ_SeekableStreamSink sink = ZQ_CreateFileStreamSink(file.name.c_str(), 0);
    sink.Write("ab", 2);
    sink.Write("c", 1);
    sink.Flush();
    EXPECT_EQ(sink.GetPosition(), 3u);
    EXPECT_EQ(sink.GetSize(), 3u);
    EXPECT_FALSE(sink.IsBeforeEnd());
    sink.Seek(1, 0);
    EXPECT_TRUE(sink.IsBeforeEnd());
    sink.Write("B", 1);
    sink.Seek(0, 2);
    sink.Write("d", 1);
  }
  EXPECT_EQ(file.Get(), "aBcd") << "option 0 truncated the old content";
  {
    ZQ_SeekableStreamSink sink = ZQ_CreateFileStreamSink(file.name.c_str(), ZQ_FileStreamSink_Append);
    EXPECT_EQ(sink.GetPosition(), 4u);
    sink.Write("ef", 2);
  }
  EXPECT_EQ(file.Get(), "aBcdef") << "option 4 writes behind the old content";
  const ScratchFile fresh("zq-sink-new");
  ZQ_CreateFileStreamSink(fresh.name.c_str(), ZQ_FileStreamSink_Append | ZQ_FileStreamSink_WriteThrough)
      .Write("x", 1);
  EXPECT_EQ(fresh.Get(), "x") << "append creates a missing file";
}

TEST_F(FileStreamSink, ANameInQuotesOpensTheUnquotedPath) {
  const ScratchFile file("zq-sink quoted");
  ZQ_CreateFileStreamSink(("\"" + file.name + "\"").c_str(), 0).Write("q", 1);
  EXPECT_EQ(file.Get(), "q");
}

TEST_F(FileStreamSink, TheLastHandleClosesTheFile) {
  const ScratchFile file("zq-sink-shared");
  {
    ZQ_SeekableStreamSink first = ZQ_CreateFileStreamSink(file.name.c_str(), 0);
    {
      ZQ_StreamSink second = first;
      EXPECT_TRUE(file.IsLocked());
    }
    EXPECT_TRUE(file.IsLocked()) << "one handle is left";
    first.Write("1", 1);
  }
  EXPECT_FALSE(file.IsLocked());
  EXPECT_EQ(file.Get(), "1");
}

TEST_F(FileStreamSink, ClosingMarksTheSinkClosedSoNoOtherHandleIsClosedLater) {
  const ScratchFile file("zq-sink-closed");
  const ScratchFile other("zq-sink-other");
  HANDLE otherHandle = INVALID_HANDLE_VALUE;
  {
    ZQ_FileStreamSinkReference* reference = new ZQ_FileStreamSinkReference(file.name.c_str(), 0);
    ZQ_StreamSink sink(reference);
    reference->Close();
    EXPECT_FALSE(reference->IsOpen());
    EXPECT_FALSE(file.IsLocked());
    reference->Close();  // nothing left to close
    // Windows hands out the freed handle value again: a stale value closed
    // by the sink's destructor would close this file.
    otherHandle = CreateFileA(other.name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(otherHandle, INVALID_HANDLE_VALUE);
  }
  DWORD written = 0;
  EXPECT_TRUE(WriteFile(otherHandle, "still open", 10, &written, nullptr));
  EXPECT_TRUE(CloseHandle(otherHandle));
  EXPECT_EQ(other.Get(), "still open");
}

TEST_F(FileStreamSink, OpeningAgainClosesTheFileOpenBefore) {
  const ScratchFile file("zq-sink-reopen");
  {
    ZQ_FileStreamSinkReference* reference = new ZQ_FileStreamSinkReference(file.name.c_str(), 0);
    ZQ_StreamSink sink(reference);
    sink.Write("old", 3);
    // The sink holds the file without sharing: the new opening succeeds only
    // once the old handle is gone.
    reference->Open(0);
    sink.Write("new", 3);
  }
  EXPECT_FALSE(file.IsLocked()) << "a handle was left open";
  EXPECT_EQ(file.Get(), "new");
}

TEST_F(FileStreamSink, FailuresThrowTheSinksOwnMessages) {
  const ScratchFile file("zq-sink-failing");
  const std::string missingFolder = file.name + "-missing\\x.txt";
  const ApiFailure open = ApiFailureOf([&] { ZQ_CreateFileStreamSink(missingFolder.c_str(), 0); });
  EXPECT_EQ(open.name, "Error occurred while opening file");
  EXPECT_EQ(open.description, "The file \"" + missingFolder + "\" could not be opened for output.");
  EXPECT_NE(NewLog().find("Function CreateFile Failed"), std::string::npos)
      << "the API layer logged the failed call";

  ZQ_FileStreamSinkReference* reference = new ZQ_FileStreamSinkReference(file.name.c_str(), 0);
  ZQ_StreamSink sink(reference);
  reference->Close();
  const std::string writeError = "An error occured while writing to the file \"" + file.name + "\".";
  const ApiFailure write = ApiFailureOf([&] { sink.Write("x", 1); });
  EXPECT_EQ(write.name, "Error occurred while writing to file");
  EXPECT_EQ(write.description, writeError);
  const ApiFailure flush = ApiFailureOf([&] { sink.Flush(); });
  EXPECT_EQ(flush.name, "Error occurred while writing to file");
  EXPECT_EQ(flush.description, writeError);
}

TEST_F(FileStreamSink, SeekingFromAnUnknownOriginFailsTheAssertion) {
  const ScratchFile file("zq-sink-seek");
  ZQ_SeekableStreamSink sink = ZQ_CreateFileStreamSink(file.name.c_str(), 0);
  EXPECT_TRUE(FailedOn(AssertionFailureOf([&] { sink.Seek(0, 3); }), "false"));
}

TEST_F(FileStreamSink, TextFilesAndSavedStrings) {
  const ScratchFile file("zq-text");
  {
    ZQ_TextOutputFileStream stream(file.name.c_str());
    stream << "x = " << SetWidth(6) << 2.5;
    stream.NewLine();
  }
  EXPECT_EQ(file.Get(), "x =    2.5\n");
  ZQ_SaveStringAsFile(ZQ_String("a\0b", 3), file.name.c_str());
  EXPECT_EQ(file.Get(), std::string("a\0b", 3));
  ZQ_SaveStringAsFile("", ZQ_String(file.name.c_str()));
  EXPECT_EQ(file.Get(), "");
  const std::string missingFolder = file.name + "-missing\\x.txt";
  EXPECT_EQ(ApiFailureOf([&] { ZQ_TextOutputFileStream stream(missingFolder.c_str()); }).name,
            "Error occurred while opening file");
}
