#include "ZQ_StreamSource.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "AssertionTestSupport.h"
#include "ScratchFileSupport.h"
#include "WinApiTestSupport.h"
#include "ZQ_FileStreamSource.h"
#include "ZQ_MemoryMappedFileStreamSource.h"
#include "ZQ_ResourceStreamSource.h"

namespace {

using StreamSource = ApiFailureModeTest;

std::string ToStd(const ZQ_String& Text) { return std::string(Text.GetText(), Text.GetLength()); }

std::string ReadBytes(ZQ_StreamSource& Source, unsigned long N) {
  std::string bytes(N, '\0');
  Source.Read(&bytes[0], N);
  return bytes;
}

// A pattern of every byte value, NULs included.
std::string PatternBytes(size_t N) {
  std::string bytes(N, '\0');
  for (size_t i = 0; i < N; ++i) bytes[i] = static_cast<char>((i * 7 + i / 256) & 0xFF);
  return bytes;
}

// The three kinds of seekable source over the same bytes.
struct SourceKind {
  const char* why;
  ZQ_SeekableStreamSource (*make)(const ScratchFolder& Folder, const std::string& Bytes);
};

ZQ_SeekableStreamSource MakeMapped(const ScratchFolder& Folder, const std::string& Bytes) {
  return ZQ_CreateFileStreamSource(ZQ_String(Folder.Put("mapped.bin", Bytes).c_str()), 0);
}
ZQ_SeekableStreamSource MakeReadFile(const ScratchFolder& Folder, const std::string& Bytes) {
  return ZQ_CreateFileStreamSource(ZQ_String(Folder.Put("readfile.bin", Bytes).c_str()),
                                   ZQ_FileStreamSource_UseReadFile);
}
ZQ_SeekableStreamSource MakeString(const ScratchFolder&, const std::string& Bytes) {
  return ZQ_CreateStringStreamSource(ZQ_String(Bytes.data(), static_cast<int>(Bytes.size())));
}

const SourceKind kKinds[] = {
    {"memory-mapped file", &MakeMapped},
    {"ReadFile file", &MakeReadFile},
    {"string", &MakeString},
};

// Records the size of every read it passes on.
class RecordingStringSource : public ZQ_StringStreamSourceReference {
 public:
  RecordingStringSource(const ZQ_String& Text, std::vector<unsigned long>* Reads)
      : ZQ_StringStreamSourceReference(Text), Reads(Reads) {}
  void Read(void* Dest, unsigned long N) override {
    Reads->push_back(N);
    ZQ_StringStreamSourceReference::Read(Dest, N);
  }

 private:
  std::vector<unsigned long>* Reads;
};

// A source without a seekable override: skipping must read.
class CountingPlainSource : public ZQ_StreamSourceReference {
 public:
  explicit CountingPlainSource(std::vector<unsigned long>* Reads) : Reads(Reads) {}
  void Read(void*, unsigned long N) override { Reads->push_back(N); }
  bool IsDataAvailable() override { return true; }

 private:
  std::vector<unsigned long>* Reads;
};

}  // namespace

TEST_F(StreamSource, FileSourcesOfBothKindsGiveTheFileBytes) {
  const ScratchFolder folder("zq-source-same");
  const struct {
    const char* why;
    std::string bytes;
  } kContents[] = {
      {"an empty file", ""},
      {"three bytes", "abc"},
      {"NULs and high bytes", std::string("\0\x01\xFF\x80z\0", 6)},
      {"more than two load chunks", PatternBytes(70000)},
  };
  const unsigned long kOptions[] = {0, ZQ_FileStreamSource_RandomAccess,
                                    ZQ_FileStreamSource_UseReadFile,
                                    ZQ_FileStreamSource_UseReadFile | ZQ_FileStreamSource_RandomAccess};
  for (const auto& c : kContents) {
    const std::string name = folder.Put("same.bin", c.bytes);
    for (const unsigned long options : kOptions) {
      SCOPED_TRACE(std::string(c.why) + ", options " + std::to_string(options));
      ZQ_SeekableStreamSource source = ZQ_CreateFileStreamSource(ZQ_String(name.c_str()), options);
      EXPECT_EQ(source.GetSize(), c.bytes.size());
      EXPECT_EQ(source.IsDataAvailable(), !c.bytes.empty());
      EXPECT_EQ(ToStd(ZQ_LoadStreamIntoString(source)), c.bytes);
      EXPECT_EQ(source.GetPosition(), c.bytes.size());
      EXPECT_FALSE(source.IsDataAvailable());
    }
  }
}

TEST_F(StreamSource, EmptyFileMapsToAnEmptyTextThatReadsNothing) {
  const ScratchFolder folder("zq-source-empty");
  const std::string name = folder.Put("empty.txt", "");
  ZQ_SeekableStreamSource source = ZQ_CreateFileStreamSource(ZQ_String(name.c_str()), 0);
  ASSERT_NE(source.GetDataPointer(), nullptr);
  EXPECT_EQ(source.GetDataPointer()[0], '\0');
  char byte = 'x';
  source.Read(&byte, 0);
  const ApiFailure failure = ApiFailureOf([&] { source.Read(&byte, 1); });
  EXPECT_TRUE(failure.thrown);
  EXPECT_EQ(failure.name, "Error occurred while reading file");
  EXPECT_EQ(failure.description,
            "An attempt was made to read past the end of file \"" + name + "\".");
  EXPECT_EQ(byte, 'x');
  EXPECT_EQ(source.GetPosition(), 0u);
}

TEST_F(StreamSource, ReadingPastTheEndFailsByKindAndKeepsThePosition) {
  const ScratchFolder folder("zq-source-past");
  const struct {
    const char* why;
    unsigned long options;
    const char* name;
    const char* description;
  } kCases[] = {
      {"memory-mapped", 0, "Error occurred while reading file",
       "An attempt was made to read past the end of file \"{}\"."},
      {"ReadFile", ZQ_FileStreamSource_UseReadFile, "Error occurred while reading from file",
       "An error occured while reading from the file \"{}\"."},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    const std::string name = folder.Put("past.txt", "abc");
    std::string description = c.description;
    description.replace(description.find("{}"), 2, name);
    {
      ZQ_SeekableStreamSource source = ZQ_CreateFileStreamSource(ZQ_String(name.c_str()), c.options);
      EXPECT_EQ(ReadBytes(source, 2), "ab");
      const ApiFailure failure = ApiFailureOf([&] { ReadBytes(source, 2); });
      EXPECT_TRUE(failure.thrown);
      EXPECT_EQ(failure.name, c.name);
      EXPECT_EQ(failure.description, description);
      if (c.options == 0) {
        EXPECT_EQ(source.GetPosition(), 2u);
        EXPECT_EQ(ReadBytes(source, 1), "c");
      }
    }
  }
  ZQ_SeekableStreamSource text = ZQ_CreateStringStreamSource("abc");
  EXPECT_EQ(ReadBytes(text, 2), "ab");
  EXPECT_TRUE(FailedOn(AssertionFailureOf([&] { ReadBytes(text, 2); }),
                       "Position + NumBytes <= SourceString.GetLength()"));
  EXPECT_EQ(text.GetPosition(), 2u);
}

TEST_F(StreamSource, SeekMovesFromEachOriginAlike) {
  const ScratchFolder folder("zq-source-seek");
  const struct {
    long offset;
    int origin;
    unsigned long position;
    const char* next;
  } kSteps[] = {
      {2, 0, 2, "c"}, {1, 1, 3, "d"},  {-1, 2, 5, "f"}, {0, 0, 0, "a"},
      {3, 1, 3, "d"}, {-2, 1, 1, "b"}, {0, 2, 6, ""},
  };
  for (const auto& kind : kKinds) {
    SCOPED_TRACE(kind.why);
    ZQ_SeekableStreamSource source = kind.make(folder, "abcdef");
    for (const auto& step : kSteps) {
      SCOPED_TRACE(std::to_string(step.offset) + " from origin " + std::to_string(step.origin));
      source.Seek(step.offset, step.origin);
      EXPECT_EQ(source.GetPosition(), step.position);
      EXPECT_EQ(source.IsDataAvailable(), step.position < 6);
      EXPECT_EQ(ReadBytes(source, step.next[0] ? 1 : 0), step.next);
      if (step.next[0]) source.Seek(-1, 1);
    }
    source.Seek(0, 0);
    source.Skip(4);
    EXPECT_EQ(source.GetPosition(), 4u) << "a seekable source skips by seeking";
  }
}

TEST_F(StreamSource, SeeksOutsideTheDataFailTheirAssertionAndStayPut) {
  const ScratchFolder folder("zq-source-seek-bad");
  const struct {
    const char* why;
    ZQ_SeekableStreamSource (*make)(const ScratchFolder&, const std::string&);
    const char* condition;
  } kCases[] = {
      {"memory-mapped", &MakeMapped, "(NewPos >= 0) and (NewPos <= FileLength)"},
      {"string", &MakeString, "0 <= Position and Position <= SourceString.GetLength()"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    ZQ_SeekableStreamSource source = c.make(folder, "abc");
    source.Seek(1, 0);
    EXPECT_TRUE(FailedOn(AssertionFailureOf([&] { source.Seek(1, 2); }), c.condition));
    EXPECT_TRUE(FailedOn(AssertionFailureOf([&] { source.Seek(-2, 1); }), c.condition));
    EXPECT_TRUE(FailedOn(AssertionFailureOf([&] { source.Seek(0, 3); }), "false"));
    EXPECT_EQ(source.GetPosition(), 1u);
    EXPECT_EQ(ReadBytes(source, 2), "bc");
  }
}

TEST_F(StreamSource, StringSourceReadsItsCopyOfTheText) {
  ZQ_String text("abc");
  ZQ_SeekableStreamSource source = ZQ_CreateStringStreamSource(text);
  EXPECT_EQ(text.GetNumReferences(), 2) << "the source shares the text";
  text = "xyz";
  EXPECT_EQ(ReadBytes(source, 2), "ab");
  EXPECT_EQ(source.GetPosition(), 2u);
  EXPECT_TRUE(source.IsDataAvailable());
  EXPECT_STREQ(source.GetDataPointer(), "abc") << "the whole text, not the current position";
  source.Seek(0, 2);
  EXPECT_FALSE(source.IsDataAvailable());
}

TEST_F(StreamSource, LoadingAStreamTakesWhatRemainsAfterThePosition) {
  const ScratchFolder folder("zq-source-remains");
  const struct {
    unsigned long alreadyRead;
    const char* want;
  } kCases[] = {{0, "0123456789"}, {4, "456789"}, {10, ""}};
  for (const auto& kind : kKinds) {
    for (const auto& c : kCases) {
      SCOPED_TRACE(std::string(kind.why) + " after " + std::to_string(c.alreadyRead) + " bytes");
      ZQ_SeekableStreamSource source = kind.make(folder, "0123456789");
      ReadBytes(source, c.alreadyRead);
      EXPECT_EQ(ToStd(ZQ_LoadStreamIntoString(source)), c.want);
      EXPECT_EQ(source.GetPosition(), 10u);
    }
  }
}

TEST_F(StreamSource, LoadingReadsInChunksOf32768Bytes) {
  std::vector<unsigned long> reads;
  const std::string bytes = PatternBytes(70000);
  const ZQ_String text(bytes.data(), static_cast<int>(bytes.size()));
  ZQ_SeekableStreamSource source(new RecordingStringSource(text, &reads));
  EXPECT_EQ(ToStd(ZQ_LoadStreamIntoString(source)), bytes);
  EXPECT_EQ(reads, (std::vector<unsigned long>{32768, 32768, 4464}));

  const ScratchFolder folder("zq-source-chunks");
  const std::string name = folder.Put("big.bin", bytes);
  EXPECT_EQ(ToStd(ZQ_LoadFileIntoString(ZQ_String(name.c_str()))), bytes);
  EXPECT_EQ(ToStd(ZQ_LoadFileIntoString(ZQ_FileName(name.c_str()))), bytes);
}

TEST_F(StreamSource, SkippingWithoutSeekReadsThroughBoundedBuffers) {
  const struct {
    unsigned long skip;
    std::vector<unsigned long> reads;
  } kCases[] = {
      {1024, {1024}},
      {2000, {2000}},
      {200000, {65536, 65536, 65536, 3392}},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.skip);
    std::vector<unsigned long> reads;
    ZQ_StreamSource source(new CountingPlainSource(&reads));
    source.Skip(c.skip);
    EXPECT_EQ(reads, c.reads);
  }
}

TEST_F(StreamSource, BareSourcesHaveNoData) {
  ZQ_StreamSource plain;
  EXPECT_FALSE(plain.IsDataAvailable());
  char byte = 0;
  EXPECT_TRUE(FailedOn(AssertionFailureOf([&] { plain.Read(&byte, 1); }), "IsDataAvailable ()"));
  ZQ_SeekableStreamSource seekable;
  EXPECT_TRUE(FailedOn(AssertionFailureOf([&] { seekable.GetSize(); }), "false"));
  EXPECT_TRUE(FailedOn(AssertionFailureOf([&] { seekable.Seek(0, 0); }), "false"));
  EXPECT_EQ(seekable.GetDataPointer(), nullptr);
}

TEST_F(StreamSource, HandlesShareOneObject) {
  ZQ_SeekableStreamSource a = ZQ_CreateStringStreamSource("abc");
  ZQ_StreamSourceReference* object = a.GetReference();
  {
    ZQ_SeekableStreamSource b = a;
    EXPECT_EQ(object->GetReferenceCount(), 2);
    EXPECT_EQ(ReadBytes(b, 1), "a");
    EXPECT_EQ(a.GetPosition(), 1u) << "both handles read the same object";
    b = b;
    EXPECT_EQ(object->GetReferenceCount(), 2);
    b = ZQ_CreateStringStreamSource("xyz");
    EXPECT_EQ(object->GetReferenceCount(), 1);
  }
  EXPECT_EQ(object->GetReferenceCount(), 1);
}

TEST_F(StreamSource, MissingFileThrowsWithTheOpenSentence) {
  const ScratchFolder folder("zq-source-missing");
  const std::string name = folder / "missing.txt";
  for (const unsigned long options : {0ul, ZQ_FileStreamSource_UseReadFile}) {
    SCOPED_TRACE(options);
    const ApiFailure failure =
        ApiFailureOf([&] { ZQ_CreateFileStreamSource(ZQ_String(name.c_str()), options); });
    ASSERT_TRUE(failure.thrown);
    EXPECT_EQ(failure.name, "Function CreateFile Failed");
    EXPECT_EQ(failure.description,
              WithParagraph(SystemText(ERROR_FILE_NOT_FOUND),
                            "This error occurred while attempting to open file \"" + name +
                                "\" for reading."));
  }
}

TEST_F(StreamSource, QuotedFileNameOpensTheUnquotedPath) {
  const ScratchFolder folder("zq-source-quoted");
  const std::string name = folder.Put("quoted name.txt", "inside");
  for (const unsigned long options : {0ul, ZQ_FileStreamSource_UseReadFile}) {
    SCOPED_TRACE(options);
    ZQ_SeekableStreamSource source =
        ZQ_CreateFileStreamSource(ZQ_String(("\"" + name + "\"").c_str()), options);
    EXPECT_EQ(ToStd(ZQ_LoadStreamIntoString(source)), "inside");
  }
}

TEST_F(StreamSource, FailedConstructionReleasesTheFile) {
  const ScratchFolder folder("zq-source-release");
  const struct {
    const char* why;
    unsigned long long size;
    const char* name;
  } kCases[] = {
      // GetFileSize's high word is not 0: refused after the file is open.
      {"a file of more than 4 GB", 0x100000010ull, "File too large"},
      {"a file of 2 GB", 0x80000000ull, "File too large"},
      // The mapping is made, but a 32-bit process has no room for its view.
      {"a file just below 2 GB", 0x7FFFFFF0ull, "Function MapViewOfFile Failed"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    const std::string name = folder.PutSparse("huge.bin", c.size);
    const ApiFailure failure =
        ApiFailureOf([&] { ZQ_CreateFileStreamSource(ZQ_String(name.c_str()), 0); });
    ASSERT_TRUE(failure.thrown);
    EXPECT_EQ(failure.name, c.name);
    EXPECT_NE(failure.description.find("\n\nThis error occurred while attempting to open file \"" +
                                       name + "\" for reading."),
              std::string::npos)
        << failure.description;
    EXPECT_TRUE(ScratchFolder::CanOpenExclusively(name)) << "the file was left open";
    // An open mapping keeps a file from being cut short, even once no
    // handle of the file itself is open.
    EXPECT_TRUE(ScratchFolder::CanTruncate(name)) << "the mapping was left open";
    EXPECT_TRUE(DeleteFileA(name.c_str()));
  }
}

TEST_F(StreamSource, OpenSourceKeepsWritersOutAndClosingLetsThemIn) {
  const ScratchFolder folder("zq-source-lock");
  const std::string name = folder.Put("locked.txt", "abc");
  for (const unsigned long options : {0ul, ZQ_FileStreamSource_UseReadFile}) {
    SCOPED_TRACE(options);
    {
      ZQ_SeekableStreamSource source = ZQ_CreateFileStreamSource(ZQ_String(name.c_str()), options);
      EXPECT_FALSE(ScratchFolder::CanOpenExclusively(name));
      ZQ_SeekableStreamSource reader = ZQ_CreateFileStreamSource(ZQ_String(name.c_str()), options);
      EXPECT_EQ(ToStd(ZQ_LoadStreamIntoString(reader)), "abc") << "readers share the file";
    }
    EXPECT_TRUE(ScratchFolder::CanOpenExclusively(name));
  }
}

TEST_F(StreamSource, OpeningAgainReleasesWhatTheFirstOpeningHeld) {
  const ScratchFolder folder("zq-source-reopen");
  const std::string name = folder.Put("reopen.txt", "abc");
  {
    auto* readFile = new ZQ_FileStreamSourceReference(ZQ_FileName(name.c_str()), 0);
    const ZQ_SeekableStreamSource first(readFile);
    readFile->Open(0);
    auto* mapped = new ZQ_MemoryMappedFileStreamSourceReference(ZQ_FileName(name.c_str()), 0);
    const ZQ_SeekableStreamSource second(mapped);
    mapped->Open(0);
    EXPECT_EQ(ToStd(ZQ_LoadStreamIntoString(first)), "abc");
    EXPECT_EQ(ToStd(ZQ_LoadStreamIntoString(second)), "abc");
  }
  EXPECT_TRUE(ScratchFolder::CanOpenExclusively(name)) << "a file handle was left open";
  EXPECT_TRUE(ScratchFolder::CanTruncate(name)) << "a mapping was left open";
}

// ---------------------------------------------------------------------------
// Embedded resources (FoundationTestResources.rc)

namespace {

// Resources are looked up in the program's module, whose handle the program
// entry sets; the tests set it here and clear it again.
class ResourceSource : public ApiFailureModeTest {
 protected:
  void SetUp() override {
    ApiFailureModeTest::SetUp();
    ZQLOW_WIN_SetProgramInstanceHandle(GetModuleHandleA(nullptr));
  }
  void TearDown() override {
    ZQLOW_WIN_SetProgramInstanceHandle(nullptr);
    ApiFailureModeTest::TearDown();
  }
};

const char kResourceText[] = "first part<END>second part<END>tail";

}  // namespace

TEST_F(ResourceSource, ResourcesAreFoundUnderEachTypeSearched) {
  const struct {
    const char* name;
    bool exists;
    const char* why;
  } kCases[] = {
      {"ZQTESTTEXT", true, "an RCDATA resource"},
      {"zqtesttext", true, "names ignore case"},
      {"ZQTESTBITMAP", true, "a resource present only as a BITMAP"},
      {"ZQNOSUCHRESOURCE", false, "no such resource"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    EXPECT_EQ(ZQ_ResourceExists(c.name), c.exists);
  }
}

TEST_F(ResourceSource, LoadingCutsTheTextBeforeTheLastMarker) {
  const struct {
    const char* marker;
    const char* want;
    const char* why;
  } kCases[] = {
      {"", kResourceText, "an empty marker keeps the whole resource"},
      {"<END>", "first part<END>second part", "the marker occurs twice: cut at the last"},
      {"tail", "first part<END>second part<END>", "a marker at the very end"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    EXPECT_EQ(ToStd(ZQ_LoadResourceIntoString("ZQTESTTEXT", c.marker)), c.want);
  }
  EXPECT_TRUE(FailedOn(AssertionFailureOf([] { ZQ_LoadResourceIntoString("ZQTESTTEXT", "<NONE>"); }),
                       "i != ZQ_NoMatch"));
}

TEST_F(ResourceSource, BitmapResourceHoldsTheBitmapWithoutItsFileHeader) {
  const ZQ_String bitmap = ZQ_LoadResourceIntoString("ZQTESTBITMAP", "");
  // The 70-byte file less the 14-byte file header: the info header (40
  // bytes, beginning with its own size and the width 2) and two rows.
  ASSERT_EQ(bitmap.GetLength(), 56);
  EXPECT_EQ(ToStd(bitmap).substr(0, 8), std::string("\x28\0\0\0\x02\0\0\0", 8));
}

TEST_F(ResourceSource, ResourceStreamReadsTheResourceAsAString) {
  ZQ_SeekableStreamSource source = ZQ_CreateResourceStreamSource("ZQTESTTEXT", "<END>");
  EXPECT_EQ(source.GetSize(), 26u);
  EXPECT_EQ(ReadBytes(source, 5), "first");
  EXPECT_EQ(ToStd(ZQ_LoadStreamIntoString(source)), " part<END>second part");
}

TEST_F(ResourceSource, EmptyResourceLoadsAsAnEmptyText) {
  EXPECT_TRUE(ZQ_ResourceExists("ZQTESTEMPTY"));
  EXPECT_TRUE(ZQ_LoadResourceIntoString("ZQTESTEMPTY", "").IsEmpty());
  ZQ_SeekableStreamSource source = ZQ_CreateResourceStreamSource("ZQTESTEMPTY", "");
  EXPECT_EQ(source.GetSize(), 0u);
  EXPECT_FALSE(source.IsDataAvailable());
}

TEST_F(ResourceSource, MissingResourceThrowsUntranslatedTexts) {
  for (const auto load : {+[] { ZQ_LoadResourceIntoString("ZQNOSUCHRESOURCE", ""); },
                          +[] { ZQ_CreateResourceStreamSource("ZQNOSUCHRESOURCE", ""); }}) {
    const ApiFailure failure = ApiFailureOf(load);
    ASSERT_TRUE(failure.thrown);
    EXPECT_EQ(failure.name, "Error loading resource 'ZQNOSUCHRESOURCE'.");
    EXPECT_EQ(failure.description, "Function FindResource failed.");
  }
}
