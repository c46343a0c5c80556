// ZQPIC_DeviceClip.h: the part of a shape that a device context can show,
// worked out before GDI sees the shape. GDI spends time on all it is
// handed, seen or not: a wide pen's outline is filled row by row, and under
// Wine a pen of about 1.5 million pixels never returns. So lines, polygons
// and images are cut at a margin around the visible rectangle, and a pen
// wider than that rectangle becomes the filled pieces of its stroke that
// meet it. A shape that lies within the margin passes unchanged, which
// keeps ordinary drawing exactly as it was. Device pixels in doubles, y
// down; coordinates meant to lie within ±2^60, so that their differences
// stay finite. A plain value.
#ifndef ZQPIC_DEVICECLIP_H
#define ZQPIC_DEVICECLIP_H

#include <vector>

#include "ZQLOW_Windows.h"
#include "ZQ_Point.h"

class ZQPIC_DeviceClip {
 public:
  using Points = std::vector<ZQ_Point<double>>;

  // Visible: the device pixels that can be seen, right and bottom edges
  // outside.
  explicit ZQPIC_DeviceClip(const RECT& Visible);

  bool IsEmpty() const { return !(Visible.Left < Visible.Right && Visible.Top < Visible.Bottom); }

  // Appends to Runs the parts of Line that come within Reach pixels of the
  // margin, each a run of at least two points whose count goes to Counts.
  // A line within the margin is one run of its own points.
  void CutPolyline(const Points& Line, double Reach, Points& Runs, std::vector<int>& Counts) const;
  // Polygon cut at the margin; unchanged when it lies within it, fewer than
  // three points when nothing of it is left. Inside the margin every point
  // keeps its winding number, so the contours of one shape may be cut one
  // by one and filled together.
  void CutPolygon(Points& Polygon) const;

  // Wider than any line, gap, picture or glyph of an ordinary drawing:
  // shapes within this of the visible rectangle, and pens and glyphs up to
  // it, reach GDI as they are.
  static constexpr double OrdinaryPx = 1024;

  // Whether a pen of that width is larger than the visible rectangle's
  // diagonal (and than OrdinaryPx): then StrokePieces stands for it.
  bool IsFarLarger(double SizePx) const;
  // Whether the box from Min to Max comes within a pixel of the visible
  // rectangle.
  bool Meets(const ZQ_Point<double>& Min, const ZQ_Point<double>& Max) const;
  // Appends to Pieces, with their point counts to Counts, the convex pieces
  // that a round-joined pen of WidthPx with Endcap (0 round, 1 square,
  // 2 flat) covers along Run, cut to the visible rectangle and a pixel
  // around it: filled in the pen's colour they are the stroke as it shows.
  // A piece that covers the whole rectangle replaces all pieces with that
  // rectangle and ends the work: true then.
  bool StrokePieces(const ZQ_Point<double>* Run, int Count, double WidthPx, long Endcap, Points& Pieces,
                    std::vector<int>& Counts) const;

  // An image of SourcePixels drawn over the device rectangle Destination
  // (x, y, width, height): when it reaches beyond the margin, narrows both
  // to the image pixels that meet the visible rectangle, with one more on
  // each side for the device's smoothing, at the same scale, and sets
  // Source (image pixels, top-down) to them; false when nothing of it can be
  // seen. Within the margin Destination stays and Source is the whole image.
  bool CutImage(double Destination[4], const ZQ_Point<long>& SourcePixels, RECT& Source) const;

 private:
  struct Box {
    double Left, Top, Right, Bottom;
    bool Contains(const ZQ_Point<double>& P) const {
      return Left <= P.X && P.X <= Right && Top <= P.Y && P.Y <= Bottom;
    }
    Box Grown(double By) const { return Box{Left - By, Top - By, Right + By, Bottom + By}; }
  };

  static void CutToBox(Points& Polygon, const Box& Bound);
  // Piece cut to the visible rectangle and a pixel around it, appended;
  // true when it covers all of that, which then replaces every piece.
  bool AddPiece(Points& Piece, Points& Pieces, std::vector<int>& Counts) const;
  bool AddDisc(const ZQ_Point<double>& Center, double Radius, Points& Pieces, std::vector<int>& Counts) const;

  Box Visible;
  Box Margin;  // nothing beyond it reaches the device
  double Diagonal;
};

#endif
