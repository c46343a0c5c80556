// ZQIMGIO.h: loading images from memory, embedded resources, files and URIs
// (BMP, PNG, JPEG and TIFF; always 24 bits per pixel), and saving them as PNG
// or JPEG files. Damaged or unknown data throws ZQ_Exception "Error loading
// image" (translated), whose description says what went wrong, and so does an
// image that memory is too short to decode or hold; the other failures keep
// the exception of their layer (a missing resource or file, a failed write).
// UI thread only.
#ifndef ZQIMGIO_H
#define ZQIMGIO_H

#include "ZQIMG_Image.h"
#include "ZQ_FileName.h"
#include "ZQ_String.h"
#include "ZQ_URI.h"

// The image whose file bytes Bytes holds; a BMP may be a packed DIB.
ZQIMG_Image ZQIMGIO_LoadFromBuffer(const ZQ_String& Bytes);
// The resource Name of the program, found as the resource stream source
// finds it (RCDATA, then BITMAP: a packed DIB). Options has no meaning yet.
ZQIMG_Image ZQIMGIO_LoadFromResource(const ZQ_String& Name, long Options = 0);
// The file or intres resource that URI names.
ZQIMG_Image ZQIMGIO_LoadFromURI(const ZQ_URI& URI);
// The resource Name decoded as a BMP only (a whole file or a packed DIB).
ZQIMG_Image ZQIMG_LoadFromResource_BMP(const ZQ_String& Name);

// Encode into memory, then write the file in one go. The image must not be
// empty (an assertion); Quality lies in 1 to 100 (an assertion).
void ZQIMGIO_SaveToFile_PNG(const ZQ_FileName& FileName, const ZQIMG_Image& Image);
void ZQIMGIO_SaveToFile_JPG(const ZQ_FileName& FileName, const ZQIMG_Image& Image, long Quality);

#endif
