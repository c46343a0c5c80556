// ZQ_FileNameRegistry.h: file names in the settings registry, stored as the
// string of their path name. Old settings files hold them as items of class
// id 19, which are read and converted to that string when a file is loaded.
// One thread only.
#ifndef ZQ_FILENAMEREGISTRY_H
#define ZQ_FILENAMEREGISTRY_H

#include "ZQ_FileName.h"
#include "ZQ_RegistryFolder.h"

const long ZQ_RegFileName_ClassID = 19;

// Stores Name's path name as a string under Key, replacing an item of
// another class.
void ZQ_SetFileName(ZQ_RegistryFolder& Folder, const ZQ_String& Key, const ZQ_FileName& Name);
// The file name of an old file-name item under Key, else the string under
// Key made into a file name, else Default.
ZQ_FileName ZQ_GetFileName(const ZQ_RegistryFolder& Folder, const ZQ_String& Key,
                           const ZQ_FileName& Default);

#endif
