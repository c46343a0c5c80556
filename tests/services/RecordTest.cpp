#include <gtest/gtest.h>

#include <cstring>

#include "ZQADT_Record.h"
#include "ZQADT_StandardDatatypes.h"
#include "ZQ_Exception.h"
#include "ZQ_Hasher.h"

namespace {

ZQADT_RecordSchema CharDoubleString() {
  ZQADT_RecordSchema schema;
  schema.AddField("Letter", ZQADT_CharDatatype());
  schema.AddField("Value", ZQADT_DoubleDatatype());
  schema.AddField("Label", ZQADT_StringDatatype());
  return schema;
}

}  // namespace

TEST(ZQADT_RecordSchema, FieldsArePackedWithoutAlignment) {
  const ZQADT_RecordSchema schema = CharDoubleString();
  const long kOffsets[] = {0, 1, 9};
  for (int i = 0; i < 3; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(schema.GetFieldOffset(i), kOffsets[i]);
  }
  EXPECT_EQ(schema.GetDataSize(), 13);
  EXPECT_EQ(ZQADT_RecordSchema().GetDataSize(), 0);
}

TEST(ZQADT_RecordSchema, HashCoversCountNamesAndKinds) {
  ZQ_Hasher expected;
  expected << 2L << ZQ_String("A") << ZQ_String("Single Character") << ZQ_String("B")
           << ZQ_String("Double-Precision Floating Point Number");
  ZQADT_RecordSchema schema;
  schema.AddField("A", ZQADT_CharDatatype());
  schema.AddField("B", ZQADT_DoubleDatatype());
  EXPECT_EQ(schema.GetHash(), expected.GetHash());

  ZQADT_RecordSchema renamed;
  renamed.AddField("A", ZQADT_CharDatatype());
  renamed.AddField("C", ZQADT_DoubleDatatype());
  EXPECT_NE(renamed.GetHash(), schema.GetHash());
}

TEST(ZQADT_RecordSchema, AddingAfterTheLayoutWasComputedRecomputesIt) {
  ZQADT_RecordSchema schema;
  schema.AddField("A", ZQADT_Int16Datatype());
  EXPECT_EQ(schema.GetDataSize(), 2);
  const ZQ_UID before = schema.GetHash();
  schema.AddField("B", ZQADT_Int32Datatype());
  EXPECT_EQ(schema.GetDataSize(), 6);
  EXPECT_EQ(schema.GetFieldOffset(1), 2);
  EXPECT_NE(schema.GetHash(), before);
}

TEST(ZQADT_RecordSchema, FieldIndexOutsideTheFieldsFailsTheAssertion) {
  const ZQADT_RecordSchema schema = CharDoubleString();
  for (int index : {3, -1}) {
    SCOPED_TRACE(index);
    EXPECT_THROW(schema.GetFieldOffset(index), ZQ_Exception);
    EXPECT_THROW(schema.GetFieldDatatype(index), ZQ_Exception);
  }
}

TEST(ZQADT_Record, EqualityIsIdentityOfTheBlock) {
  const ZQADT_RecordSchema schema = CharDoubleString();
  const ZQADT_Record built(schema);
  const ZQADT_Record copy = built;
  const struct { bool equal; bool want; const char* why; } kCases[] = {
      {ZQADT_Record() == ZQADT_Record(), true, "default records share the empty one"},
      {copy == built, true, "a copy shares the block"},
      {ZQADT_Record(schema) == ZQADT_Record(schema), false, "separate blocks of one schema"},
      {built == ZQADT_Record(), false, "a built record is not the empty one"},
      {copy != built, false, "inequality of a copy"},
  };
  for (auto& c : kCases) {
    SCOPED_TRACE(c.why);
    EXPECT_EQ(c.equal, c.want);
  }
}

TEST(ZQADT_Record, CopiesCountTheirSharesAndSelfAssignmentKeepsIt) {
  ZQADT_Record record{CharDoubleString()};
  EXPECT_EQ(record.GetNumReferences(), 1);
  {
    ZQADT_Record copy = record;
    ZQADT_Record assigned;
    assigned = record;
    EXPECT_EQ(record.GetNumReferences(), 3);
  }
  EXPECT_EQ(record.GetNumReferences(), 1);
  record = record;
  EXPECT_EQ(record.GetNumReferences(), 1);
  record = ZQADT_Record();
  EXPECT_EQ(record, ZQADT_Record());
}

TEST(ZQADT_Record, FieldsStartValueInitialisedAndWritesShowInCopies) {
  ZQADT_Record record{CharDoubleString()};
  const ZQADT_RecordSchema& schema = record.GetSchema();
  EXPECT_STREQ(schema.GetFieldDatatype(1).ToText(record.GetFieldLocation(1)).GetText(), "0");
  EXPECT_STREQ(schema.GetFieldDatatype(2).ToText(record.GetFieldLocation(2)).GetText(), "");

  const ZQADT_Record copy = record;
  const double value = 2.5;
  std::memcpy(record.GetFieldLocation(1), &value, sizeof value);
  const ZQ_String label("a label that outlives the record");
  schema.GetFieldDatatype(2).Assign(record.GetFieldLocation(2), &label);
  EXPECT_STREQ(schema.GetFieldDatatype(1).ToText(copy.GetFieldLocation(1)).GetText(), "2.5");
  EXPECT_STREQ(schema.GetFieldDatatype(2).ToText(copy.GetFieldLocation(2)).GetText(),
               label.GetText());
  EXPECT_EQ(label.GetNumReferences(), 2) << "the record's field shares the text";
  record = ZQADT_Record();
  EXPECT_EQ(label.GetNumReferences(), 2) << "the copy still holds the block";
}

TEST(ZQADT_Record, LastHandleDestroysTheFieldValues) {
  const ZQ_String label("shared text");
  {
    ZQADT_Record record{CharDoubleString()};
    ZQADT_StringDatatype().Assign(record.GetFieldLocation(2), &label);
    EXPECT_EQ(label.GetNumReferences(), 2);
  }
  EXPECT_EQ(label.GetNumReferences(), 1);
}

TEST(ZQADT_Record, AddingAFieldLaterLeavesExistingRecordsLaidOutAsBuilt) {
  ZQADT_RecordSchema schema;
  schema.AddField("Label", ZQADT_StringDatatype());
  const ZQ_String label("kept");
  {
    ZQADT_Record record(schema);
    ZQADT_StringDatatype().Assign(record.GetFieldLocation(0), &label);
    schema.AddField("Other", ZQADT_StringDatatype());
    EXPECT_EQ(schema.GetNumFields(), 2);
    EXPECT_EQ(record.GetSchema().GetNumFields(), 1);
    EXPECT_EQ(record.GetSchema().GetDataSize(), 4);
    EXPECT_THROW(record.GetFieldLocation(1), ZQ_Exception);
  }
  EXPECT_EQ(label.GetNumReferences(), 1);
  EXPECT_EQ(ZQADT_Record(schema).GetSchema().GetNumFields(), 2);
}
