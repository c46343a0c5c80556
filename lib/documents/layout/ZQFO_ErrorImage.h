// ZQFO_ErrorImage.h: the picture drawn in place of an image that cannot be
// loaded: the program's BMP resource "ZQFO_ErrorImage" (14 x 16 pixels),
// loaded on first use and kept until program end. Throws the image layer's
// ZQ_Exception when the resource is missing. UI thread only.
#ifndef ZQFO_ERRORIMAGE_H
#define ZQFO_ERRORIMAGE_H

#include "ZQIMG_Image.h"

// Every call shares one pixel store.
ZQIMG_Image ZQFO_GetErrorImage();

#endif
