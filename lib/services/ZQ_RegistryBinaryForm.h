// ZQ_RegistryBinaryForm.h: reading the settings registry's binary form: the
// item factory (class id -> creation function), item creation from a stream
// and the loading of a whole tree into a folder. Writing is each item's
// WriteToBinaryStream. Every item is its 4-byte class id and its payload; the
// whole stream is one folder. The data may come from a damaged file: every
// fault in it throws ZQ_Exception (never an assertion, a huge allocation or
// a read past the data). One thread only.
#ifndef ZQ_REGISTRYBINARYFORM_H
#define ZQ_REGISTRYBINARYFORM_H

#include "ZQ_String.h"

class ZQ_BinaryStreamParser;
class ZQ_RegistryFolder;
class ZQ_RegistryItem;

using ZQ_RegistryItemCreationFunction = ZQ_RegistryItem* (*)();

// Enters a creation function (returns a new item with default contents) for
// ClassID into the factory. Call it from a static initialiser; the factory is
// made on first use. A class id registered twice fails "ValueIsNew".
void ZQ_RegisterRegistryItemCreationFunction(long ClassID, ZQ_RegistryItemCreationFunction Function);

// The creation function of an item class with a default constructor, for
// ZQ_RegisterRegistryItemCreationFunction: &ZQ_CreateRegistryItem<ZQ_RegInt32>.
template <class Item>
ZQ_RegistryItem* ZQ_CreateRegistryItem() {
  return new Item;
}

// Reads a class id and that class's payload; the caller owns the new item.
// An unregistered class id is logged ("ClassID = " and the id) and throws
// ZQ_Exception "Error reading binary stream": the payload's length is then
// unknown, so the stream cannot be read further. Folders nested deeper than
// ZQ_RegistryMaximumNestingDepth throw the same.
ZQ_RegistryItem* ZQ_CreateRegistryItemFromBinaryStream(ZQ_BinaryStreamParser& Parser);

// Reads a whole stream into Folder, replacing its contents. A stream that
// does not begin with the folder class id throws ZQ_Exception "Error reading
// binary stream" and leaves Folder untouched. Other damage throws too; the
// folder then keeps the entries read so far.
void ZQ_LoadRegistryFolderFromBinaryStream(ZQ_BinaryStreamParser& Parser, ZQ_RegistryFolder& Folder);

// Real settings nest a few levels; a damaged file could nest until the stack
// overflows.
const int ZQ_RegistryMaximumNestingDepth = 64;

// Throws the reader's ZQ_Exception "Error reading binary stream" with
// Description.
[[noreturn]] void ZQ_ThrowRegistryStreamError(const ZQ_String& Description);

#endif
