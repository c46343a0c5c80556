// ZQ_ResourceStreamSource.h: embedded resources of the program's module (the
// instance handle of ZQLOW_WIN_Core.h, which must be set) read as strings and
// stream sources. A resource is looked up by name under the types RCDATA,
// BITMAP and STRING, in this order; the first found is used. A missing
// resource throws ZQ_Exception "Error loading resource '<name>'." with the
// description "Function FindResource failed." (neither translated).
// One thread only.
#ifndef ZQ_RESOURCESTREAMSOURCE_H
#define ZQ_RESOURCESTREAMSOURCE_H

#include "ZQ_StreamSource.h"
#include "ZQ_String.h"

// True when the module holds a resource ResourceName under one of the types
// searched. Throws nothing for a missing resource.
bool ZQ_ResourceExists(const ZQ_String& ResourceName);

// The resource's bytes (for a BITMAP resource: without the file header that
// the resource compiler strips). When EndOfResourceMarker is not empty, the
// text is cut before the marker's last occurrence; a marker that does not
// occur fails the assertion "i != ZQ_NoMatch" and the whole text is returned.
ZQ_String ZQ_LoadResourceIntoString(const ZQ_String& ResourceName,
                                    const ZQ_String& EndOfResourceMarker);

// A string source over ZQ_LoadResourceIntoString of the same arguments.
ZQ_SeekableStreamSource ZQ_CreateResourceStreamSource(const ZQ_String& ResourceName,
                                                      const ZQ_String& EndOfResourceMarker);

#endif
