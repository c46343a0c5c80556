// ZQ_SettingsFile.h: reading and writing the settings file into and from a
// registry folder, for the framework's settings plug-in (stage 2 and 12).
// The file is either an XML registry document or the registry's binary form;
// a binary file is only read, and settings are always saved as XML. The XML
// form lives in the XML subsystem, which installs its reader and writer with
// ZQ_SetSettingsFileXMLForm: until it does, every file is read as binary
// and saving throws. A file in the XML form is read item by item: one that
// does not read is left out and logged by the XML side, and the rest load.
// One thread only.
#ifndef ZQ_SETTINGSFILE_H
#define ZQ_SETTINGSFILE_H

#include "ZQ_FileName.h"
#include "ZQ_RegistryFolder.h"
#include "ZQ_String.h"

// The XML document type of the application's settings file.
extern const char ZQ_SettingsFile_DocumentTypeName[];        // "ApplicationConfigurationRegistry"
extern const char ZQ_SettingsFile_DocumentTypeIdentifier[];  // its 39-character identifier

// The XML subsystem's side. Each function may throw ZQ_Exception.
struct ZQ_SettingsFileXMLForm {
  // True when File is in the XML form (it begins with markup), whether or
  // not it reads: a damaged XML file must fail with the XML reader's own
  // error, not as binary data.
  bool (*FileIsInXMLForm)(const ZQ_FileName& File);
  // Clears Folder, then reads the document into it, leaving out the items
  // that do not read; returns how many were left out.
  long (*LoadFolder)(const ZQ_FileName& File, ZQ_RegistryFolder& Folder, const ZQ_String& DocumentTypeName,
                     const ZQ_String& DocumentTypeIdentifier);
  void (*SaveFolder)(const ZQ_FileName& File, const ZQ_RegistryFolder& Folder,
                     const ZQ_String& DocumentTypeName, const ZQ_String& DocumentTypeIdentifier);
};

// Installs the XML form (null functions uninstall it).
void ZQ_SetSettingsFileXMLForm(const ZQ_SettingsFileXMLForm& Form);

// Reads File into Folder. A missing file (the first run) leaves Folder empty.
// Any failure to read either form is written to the debugging log and leaves
// Folder empty: the program goes on with default settings. True when the
// file was read; *NumItemsLeftOut (when given) is then the number of items
// that did not read and were left out, else 0.
bool ZQ_LoadSettingsFile(const ZQ_FileName& File, ZQ_RegistryFolder& Folder, long* NumItemsLeftOut = nullptr);

// Writes Folder to File in the XML form. Throws ZQ_Exception "Settings not
// saved" when no XML form is installed, and whatever the writer throws.
void ZQ_SaveSettingsFile(const ZQ_FileName& File, const ZQ_RegistryFolder& Folder);

#endif
