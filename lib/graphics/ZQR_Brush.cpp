#include "ZQR_Brush.h"

#include "ZQR_Bitmap.h"
#include "ZQR_Color.h"

ZQR_Brush::ZQR_Brush(const ZQR_Color& Color)
    : Brush(ZQLOW_WINGDI::CreateSolidBrush(Color.GetCOLORREF()), true) {}

ZQR_Brush::ZQR_Brush(int StockObject)
    : Brush(static_cast<HBRUSH>(ZQLOW_WINGDI::GetStockObject(StockObject)), false) {}

ZQR_Brush::ZQR_Brush(const ZQR_Bitmap& Pattern)
    : Brush(ZQLOW_WINGDI::CreatePatternBrush(Pattern.GetHBITMAP()), true) {}
