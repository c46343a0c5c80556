#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "RegistryTestSupport.h"
#include "ZQ_RegistryFolder.h"
#include "ZQ_RegistryItemSequence.h"
#include "ZQ_RegistryValueItems.h"

namespace {

// Counts its own destructions, to check who deletes items.
class CountedItem : public ZQ_RegistryItem {
 public:
  explicit CountedItem(int* Deletions) : deletions(Deletions) {}
  ~CountedItem() override { ++*deletions; }
  void WriteToBinaryStream(ZQ_StreamSink&) const override {}
  void ReadFromBinaryStream(ZQ_BinaryStreamParser&) override {}
  void AddToHash(ZQ_Hasher&) const override {}

 private:
  int* deletions;
};

const char kBadKeyReport[] = "Bad RegistryFolder Key \"";

}  // namespace

TEST(ZQ_RegistryFolder, KeysAreStrippedToNameTokens) {
  const struct {
    const char* given;
    const char* stored;
    const char* why;
  } kCases[] = {
      {"Window Size", "WindowSize", "a blank is dropped"},
      {"a_b-c.d:e9", "a_b-c.d:e9", "the four punctuation characters are kept"},
      {"Caf\xE9Key", "CafKey", "a byte above 127 is dropped"},
      {"Tab\tKey/Slash", "TabKeySlash", "control and other punctuation are dropped"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.why);
    ZQ_RegistryFolder folder;
    ZQ_SetInt32(folder, c.given, 7);
    EXPECT_TRUE(folder.DoesExist(c.stored));
    EXPECT_TRUE(folder.DoesExist(c.given));
    EXPECT_EQ(folder.GetNumItems(), 1);
    EXPECT_EQ(folder.GetIterator()->GetKey(), ZQ_String(c.stored));
  }
}

TEST(ZQ_RegistryFolder, EachBadKeyIsReportedOnceInTheLog) {
  ZQ_RegistryFolder folder;
  const std::string line = "Bad RegistryFolder Key \"Report Once Key\".  Is not a XML NMTOKEN.\n";
  const std::string other = "Bad RegistryFolder Key \"Report  Twice Key\".  Is not a XML NMTOKEN.\n";
  const int before = CountInDebugLog(line);
  const int otherBefore = CountInDebugLog(other);
  folder.GetFolder("Report Once Key");
  folder.GetFolderIfExists("Report Once Key");
  folder.DoesExist("Report Once Key");
  EXPECT_EQ(CountInDebugLog(line), before + 1);
  // A different spelling is a different bad key, though it strips the same.
  EXPECT_TRUE(folder.DoesExist("Report  Twice Key") == false);
  EXPECT_EQ(CountInDebugLog(other), otherBefore + 1);
}

TEST(ZQ_RegistryFolder, KeyOfOnlyBadCharactersIsReportedAndBecomesEmpty) {
  ZQ_RegistryFolder folder;
  const int before = CountInDebugLog(kBadKeyReport);
  // The stripped key is empty: the folder operation's own check then fails.
  EXPECT_TRUE(StartsWith(ExceptionNameOf([&] { folder.AddFolder("%%"); }),
                        AssertionFailure("n > 0")));
  EXPECT_EQ(CountInDebugLog(kBadKeyReport), before + 1);
  EXPECT_EQ(folder.GetNumItems(), 0);
}

TEST(ZQ_RegistryFolder, EmptyKeyFailsItsAssertion) {
  ZQ_RegistryFolder folder;
  EXPECT_TRUE(StartsWith(ExceptionNameOf([&] { folder.DoesExist(""); }), AssertionFailure("n > 0")));
}

TEST(ZQ_RegistryFolder, KeysDifferingInCaseAreDifferentItems) {
  ZQ_RegistryFolder folder;
  ZQ_SetInt32(folder, "Width", 1);
  ZQ_SetInt32(folder, "width", 2);
  EXPECT_EQ(folder.GetNumItems(), 2);
  EXPECT_EQ(ZQ_GetInt32(folder, "Width", 0), 1);
  EXPECT_EQ(ZQ_GetInt32(folder, "width", 0), 2);
}

TEST(ZQ_RegistryFolder, GetFolderReplacesAnItemOfAnotherClass) {
  ZQ_RegistryFolder folder;
  ZQ_SetInt32(folder, "K", 5);
  EXPECT_EQ(folder.GetFolderIfExists("K"), nullptr);
  EXPECT_EQ(folder.GetSequenceIfExists("K"), nullptr);
  EXPECT_EQ(ZQ_GetInt32(folder, "K", 0), 5);  // the IfExists forms left it
  ZQ_RegistryFolder* sub = folder.GetFolder("K");
  ASSERT_NE(sub, nullptr);
  EXPECT_EQ(sub->GetNumItems(), 0);
  EXPECT_EQ(folder.GetFolderIfExists("K"), sub);
  EXPECT_EQ(folder.GetFolder("K"), sub);  // a second call finds the same folder
  ZQ_RegistryItemSequence* sequence = folder.GetSequence("K");
  EXPECT_EQ(folder.GetSequenceIfExists("K"), sequence);
  EXPECT_EQ(folder.GetFolderIfExists("K"), nullptr);
  EXPECT_EQ(folder.GetNumItems(), 1);
}

TEST(ZQ_RegistryFolder, OwnsItsItemsUntilDetached) {
  int deletions = 0;
  {
    ZQ_RegistryFolder folder;
    folder.AddItem("Removed", new CountedItem(&deletions));
    folder.AddItem("Detached", new CountedItem(&deletions));
    folder.AddItem("Cleared", new CountedItem(&deletions));
    ZQ_RegistryFolder* sub = folder.AddFolder("Sub");
    sub->AddItem("Deep", new CountedItem(&deletions));

    folder.RemoveItem("Removed");
    EXPECT_EQ(deletions, 1);

    ZQ_RegistryItem* detached = folder.DetachItem("Detached");
    EXPECT_FALSE(folder.DoesExist("Detached"));
    EXPECT_EQ(deletions, 1);
    delete detached;
    EXPECT_EQ(deletions, 2);

    ZQ_SetBool(folder, "Cleared", true);  // a set function replaces the item
    EXPECT_EQ(deletions, 3);
  }
  EXPECT_EQ(deletions, 4);  // the folder's destruction took the nested item
}

TEST(ZQ_RegistryFolder, ClearDeletesEverything) {
  int deletions = 0;
  ZQ_RegistryFolder folder;
  folder.AddItem("A", new CountedItem(&deletions));
  folder.AddSequence("S")->Append(new CountedItem(&deletions));
  folder.Clear();
  EXPECT_EQ(deletions, 2);
  EXPECT_EQ(folder.GetNumItems(), 0);
}

TEST(ZQ_RegistryFolder, PreconditionsOfKeyedOperations) {
  ZQ_RegistryFolder folder;
  ZQ_SetInt32(folder, "Present", 1);
  int deletions = 0;
  const struct {
    std::function<void()> statement;
    const char* condition;
  } kCases[] = {
      {[&] { folder.RemoveItem("Absent"); }, "DoesExist (Key)"},
      {[&] { folder.DetachItem("Absent"); }, "DoesExist (Key)"},
      {[&] { folder.AddFolder("Present"); }, "ValueIsNew"},
      {[&] { folder.AddItem("Present", new CountedItem(&deletions)); }, "ValueIsNew"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.condition);
    EXPECT_TRUE(StartsWith(ExceptionNameOf(c.statement), AssertionFailure(c.condition)));
  }
  // As the map does in every mode, each failed add replaced the item all the
  // same, deleting the one it found.
  EXPECT_NE(dynamic_cast<CountedItem*>(folder.GetItemIfExists("Present")), nullptr);
  folder.Clear();
  EXPECT_EQ(deletions, 1);  // the last item added was owned, not leaked
}

TEST(ZQ_RegistryItemSequence, AppendsInOrderAndChecksIndexes) {
  ZQ_RegistryItemSequence sequence;
  for (long i = 0; i < 5; ++i) sequence.Append(new ZQ_RegInt32(i * 10));
  ASSERT_EQ(sequence.GetNumItems(), 5);
  for (long i = 0; i < 5; ++i)
    EXPECT_EQ(dynamic_cast<ZQ_RegInt32*>(sequence.GetItem(i))->GetValue(), i * 10);
  for (long index : {-1L, 5L}) {
    SCOPED_TRACE(index);
    EXPECT_TRUE(StartsWith(ExceptionNameOf([&] { sequence.GetItem(index); }),
                          AssertionFailure("Index >= 0 and Index < N")));
  }
  sequence.Clear();
  EXPECT_EQ(sequence.GetNumItems(), 0);
  sequence.Append(new ZQ_RegBool(true));
  EXPECT_EQ(sequence.GetNumItems(), 1);
}
