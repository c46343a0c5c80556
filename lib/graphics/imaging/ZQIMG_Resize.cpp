#include "ZQIMG_Resize.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#include "ZQIMG_Conversion.h"
#include "ZQ_Internationalization.h"
#include "ZQ_ProgressReportService.h"
#include "ZQ_StackTrace.h"

namespace {

// The source samples that make one output sample along an axis.
struct Contribution {
  long First = 0;
  std::vector<float> Weights;
};

// Output sample D's centre seen in the source, clamped to its samples.
Contribution Bilinear(long D, double Scale, long SourceSize) {
  const double centre = std::clamp((D + 0.5) * Scale - 0.5, 0.0, SourceSize - 1.0);
  Contribution c;
  c.First = static_cast<long>(centre);
  const float fraction = static_cast<float>(centre - c.First);
  c.Weights.push_back(1.0f - fraction);
  if (c.First + 1 < SourceSize) c.Weights.push_back(fraction);
  return c;
}

// The source samples that output sample D covers, each by its share.
Contribution AreaAverage(long D, double Scale, long SourceSize) {
  const double begin = D * Scale, end = std::min((D + 1) * Scale, static_cast<double>(SourceSize));
  Contribution c;
  c.First = static_cast<long>(begin);
  for (long i = c.First; i < end; ++i)
    c.Weights.push_back(
        static_cast<float>((std::min<double>(i + 1, end) - std::max<double>(i, begin)) / Scale));
  return c;
}

std::vector<Contribution> Contributions(long SourceSize, long TargetSize, long Method) {
  const double scale = static_cast<double>(SourceSize) / TargetSize;
  std::vector<Contribution> all(static_cast<size_t>(TargetSize));
  for (long d = 0; d < TargetSize; ++d)
    all[d] = Method == 2 && scale > 1.0 ? AreaAverage(d, scale, SourceSize)
                                        : Bilinear(d, scale, SourceSize);
  return all;
}

unsigned char ToByte(float Value) {
  return static_cast<unsigned char>(std::clamp(std::lround(Value), 0L, 255L));
}

// Methods 1 and 2: first down the columns into one row of sums, then along it.
ZQIMG_Image ResizeFiltered(const ZQIMG_Image& Image, const ZQ_Point<long>& NewSize, long Method,
                           ZQ_ProgressReportService_Task& Task) {
  const ZQIMG_Image source = ZQIMG_ConvertTo24Bits(Image);
  const std::vector<Contribution> rows = Contributions(source.GetHeight(), NewSize.Y, Method);
  const std::vector<Contribution> columns = Contributions(source.GetWidth(), NewSize.X, Method);
  ZQIMG_Image result(NewSize.X, NewSize.Y, 24);
  const size_t rowLength = 3 * static_cast<size_t>(source.GetWidth());
  std::vector<float> sums(rowLength);
  for (long y = 0; y < NewSize.Y; ++y) {
    std::fill(sums.begin(), sums.end(), 0.0f);
    for (size_t k = 0; k < rows[y].Weights.size(); ++k) {
      const unsigned char* row = source.GetRow(rows[y].First + static_cast<long>(k));
      const float weight = rows[y].Weights[k];
      for (size_t i = 0; i < rowLength; ++i) sums[i] += weight * row[i];
    }
    unsigned char* target = result.GetRow24BitForWriting(y);
    for (long x = 0; x < NewSize.X; ++x, target += 3) {
      float pixel[3] = {0.0f, 0.0f, 0.0f};
      for (size_t k = 0; k < columns[x].Weights.size(); ++k)
        for (int c = 0; c < 3; ++c)
          pixel[c] += columns[x].Weights[k] * sums[3 * (columns[x].First + k) + c];
      for (int c = 0; c < 3; ++c) target[c] = ToByte(pixel[c]);
    }
    Task.Step();
  }
  return result;
}

// The source index nearest to the centre of output sample D.
long NearestIndex(long D, long SourceSize, long TargetSize) {
  return static_cast<long>((2 * static_cast<long long>(D) + 1) * SourceSize /
                           (2 * static_cast<long long>(TargetSize)));
}

// Method 0, at the image's depth.
ZQIMG_Image ResizeNearest(const ZQIMG_Image& Image, const ZQ_Point<long>& NewSize,
                          ZQ_ProgressReportService_Task& Task) {
  const long bits = Image.GetBitsPerPixel();
  ZQIMG_Image result(NewSize.X, NewSize.Y, bits);
  if (Image.GetPaletteSize() > 0) {
    ZQR_Color palette[256];
    for (long i = 0; i < Image.GetPaletteSize(); ++i) palette[i] = Image.GetPaletteColor(i);
    result.SetPalette(palette, Image.GetPaletteSize());
  }
  for (long y = 0; y < NewSize.Y; ++y) {
    const unsigned char* source = Image.GetRow(NearestIndex(y, Image.GetHeight(), NewSize.Y));
    unsigned char* target = result.GetRowForWriting(y);
    for (long x = 0; x < NewSize.X; ++x) {
      const long from = NearestIndex(x, Image.GetWidth(), NewSize.X);
      if (bits == 24)
        std::memcpy(target + 3 * x, source + 3 * from, 3);
      else if (bits == 8)
        target[x] = source[from];
      else if (ZQIMG_Image::GetPaletteIndex(source, from, 1))
        target[x >> 3] = static_cast<unsigned char>(target[x >> 3] | (0x80 >> (x & 7)));
    }
    Task.Step();
  }
  return result;
}

}  // namespace

ZQIMG_Image ZQIMG_Resize(const ZQIMG_Image& Image, const ZQ_Point<long>& NewSize, long Method) {
  ZQ_TRACE_FUNCTION("ZQIMG_Resize");
  if (NewSize == Image.GetSize()) return Image;
  ZQ_ASSERT((NewSize.X > 0) and (NewSize.Y > 0));
  ZQ_ASSERT_TEXT(Method >= 0 && Method <= 2, "false");
  ZQ_ASSERT(!Image.IsEmpty());
  ZQ_ProgressReportService_Task task(ZQ_Internationalization_Translate("Resizing Image"),
                                     NewSize.Y);
  if (Method == 0) return ResizeNearest(Image, NewSize, task);
  return ResizeFiltered(Image, NewSize, Method, task);
}

ZQIMG_Image ZQIMG_Resize(const ZQIMG_Image& Image, long Width, long Height, long Method) {
  return ZQIMG_Resize(Image, ZQ_Point<long>(Width, Height), Method);
}
