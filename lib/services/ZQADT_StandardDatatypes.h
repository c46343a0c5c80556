// ZQADT_StandardDatatypes.h: the fourteen datatypes of typed records, one
// handle class per value kind. Every handle of a kind shares the kind's one
// ZQADT_TypicalDatatypeRef, made on first use. Default values: a blank (32)
// for characters and 8-bit unsigned values, 0, false, the empty string and
// the default date and time values otherwise. One global handle of each
// class (ZQADT_CharDatatypeInstance ...) is built by the static initialisers
// and released at exit; a static initialiser of another file builds a handle
// of its own instead, as the global may not be built yet. One thread only.
#ifndef ZQADT_STANDARDDATATYPES_H
#define ZQADT_STANDARDDATATYPES_H

#include "ZQADT_Datatype.h"

#define ZQADT_STANDARD_DATATYPES(X)                                          \
  X(Char, char, "Single Character")                                          \
  X(UInt8, unsigned char, "8-bit Unsigned Integer")                          \
  X(Int16, short, "16-bit Integer")                                          \
  X(UInt16, unsigned short, "16-bit Unsigned Integer")                       \
  X(Int32, long, "32-bit Integer")                                           \
  X(UInt32, unsigned long, "32-bit Unsigned Integer")                        \
  X(Float, float, "Single-Precision Floating Point Number")                  \
  X(Double, double, "Double-Precision Floating Point Number")                \
  X(Bool, bool, "Boolean")                                                   \
  X(String, ZQ_String, "Text String")                                        \
  X(Time, ZQ_Time, "Time")                                                   \
  X(Date, ZQ_Date, "Date")                                                   \
  X(PointInTime, ZQ_PointInTime, "Point In Time")                            \
  X(ElapsedTime, ZQ_ElapsedTime, "Elapsed Time")

#define ZQADT_DECLARE_DATATYPE(Kind, Type, Name)                             \
  class ZQADT_##Kind##Datatype : public ZQADT_Datatype {                     \
   public:                                                                   \
    ZQADT_##Kind##Datatype();                                                \
  };
ZQADT_STANDARD_DATATYPES(ZQADT_DECLARE_DATATYPE)
#undef ZQADT_DECLARE_DATATYPE

#define ZQADT_DECLARE_DATATYPE_INSTANCE(Kind, Type, Name) \
  extern const ZQADT_##Kind##Datatype ZQADT_##Kind##DatatypeInstance;
ZQADT_STANDARD_DATATYPES(ZQADT_DECLARE_DATATYPE_INSTANCE)
#undef ZQADT_DECLARE_DATATYPE_INSTANCE

#endif
