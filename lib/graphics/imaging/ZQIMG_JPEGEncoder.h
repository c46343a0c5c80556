// ZQIMG_JPEGEncoder.h: encodes an image as a baseline JFIF JPEG file with
// 4:4:4 sampling (sharp on text) and the example quantisation and Huffman
// tables of the JPEG standard. Quality (1 to 100, an assertion) scales the
// quantisation tables: s = 5000 / Quality below 50, else 200 - 2 x Quality;
// each entry is (base x s + 50) / 100, clamped to 1..255. The same image and
// quality always give the same bytes. The image must not be empty (an
// assertion); 1- and 8-bit images are encoded through their palettes.
#ifndef ZQIMG_JPEGENCODER_H
#define ZQIMG_JPEGENCODER_H

#include "ZQIMG_Image.h"
#include "ZQ_String.h"

ZQ_String ZQIMG_EncodeJPEG(const ZQIMG_Image& Image, long Quality);

// The quantisation table (natural order, row by row) for Quality; Table 0 is
// the luminance table, 1 the chrominance table.
void ZQIMG_GetJPEGQuantisationTable(long Quality, int Table, unsigned char Entries[64]);

#endif
