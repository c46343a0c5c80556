// ZQIMG_JPEGStructure.h: a check of a JPEG file's marker structure before
// another decoder sees it (Wine's decoder reads wherever a damaged segment
// points). From SOI to EOI every segment must lie in the data and hold what
// its marker promises: one frame header of 1 to 4 components, quantisation
// and Huffman tables of legal sizes, scans of the frame's components whose
// entropy-coded data ends at a marker. Throws nothing.
#ifndef ZQIMG_JPEGSTRUCTURE_H
#define ZQIMG_JPEGSTRUCTURE_H

#include "ZQIMG_ByteReader.h"

bool ZQIMG_IsWellFormedJPEG(const ZQIMG_ByteReader& In);

#endif
