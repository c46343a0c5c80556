// ZQXREG_RegistryDocument.h: the settings registry in XML form. A registry
// document is a "registry" element naming its document type (doctypename)
// and the type's identifier (doctypeid), holding the folder's items as
// elements: folder, sequence, text, int, uint, float, bool, time, date and
// data, each with its key inside folders. Documents are validated against
// the registry DTD, the resource "intres:ZQXREG_RegistryDTD". Saving writes
// a temporary file beside the target (its name and ".tmp") and moves it
// over the target only once it is complete, so a failed save leaves the
// earlier file. Failures throw ZQ_Exception, naming the key path where a
// value is at fault. The XML library installs these functions as the
// settings file's XML form (ZQ_SettingsFile.h). One thread only.
#ifndef ZQXREG_REGISTRYDOCUMENT_H
#define ZQXREG_REGISTRYDOCUMENT_H

#include "ZQXML_DocumentTypeDefinition.h"
#include "ZQ_FileName.h"
#include "ZQ_RegistryFolder.h"
#include "ZQ_String.h"
#include "ZQ_UID.h"

// The registry DTD, parsed on first use and shared afterwards.
ZQXML_DocumentTypeDefinition ZQXREG_GetRegistryDTD();

// True when File parses and validates as a registry document whose type
// identifier is TypeId. Never throws.
bool ZQXREG_FileContainsRegistryDocument(const ZQ_FileName& File, const ZQ_UID& TypeId);

// Reads the document, checks its type name and identifier, clears Folder
// and fills it. Throws on a missing or unreadable file, a parse or
// validation error, another document type, a bad value, a key that is empty
// once stripped or repeated in one folder; Folder may then hold part of the
// items.
void ZQXREG_LoadFolderFromFileInXMLFormat(const ZQ_FileName& File, ZQ_RegistryFolder& Folder,
                                          const ZQ_String& TypeName, const ZQ_UID& TypeId);
void ZQXREG_LoadFolderFromFileInXMLFormat(ZQ_RegistryFolder& Folder, const ZQ_FileName& File,
                                          const ZQ_String& TypeName, const ZQ_UID& TypeId);
// The same for a settings file, where one bad value must not cost the
// others: an item with a bad value or a key that is empty once stripped is
// left out, and of two items under one key in a folder the first is kept,
// each time with a line in the debugging log naming the file, the item's
// line and its key path. Returns the number of items left out. A file that
// does not parse or validate, or holds another type, still throws.
long ZQXREG_LoadFolderFromFileInXMLFormatLeavingOutBadItems(const ZQ_FileName& File, ZQ_RegistryFolder& Folder,
                                                            const ZQ_String& TypeName, const ZQ_UID& TypeId);

// Writes Folder as a document of the given type, one element per line, in
// the folders' iteration order. An item of a class the form does not know
// fails the assertion "false" and is left out.
void ZQXREG_SaveFolderToFileInXMLFormat(const ZQ_FileName& File, const ZQ_RegistryFolder& Folder,
                                        const ZQ_String& TypeName, const ZQ_UID& TypeId);
void ZQXREG_SaveFolderToFileInXMLFormat(const ZQ_RegistryFolder& Folder, const ZQ_FileName& File,
                                        const ZQ_String& TypeName, const ZQ_UID& TypeId);

#endif
