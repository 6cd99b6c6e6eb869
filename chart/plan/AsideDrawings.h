#pragma once
// Drawings made aside, each into an image of the repaint's bitmap (a slot), to learn which pixels
// they set, and copied into the bitmap at their turn. The images are kept from repaint to repaint.
#include <QImage>
#include <QRect>
#include <functional>
#include <vector>

class TChartCanvas3D;

class AsideDrawings {
 public:
  // While canvas draws into its colour bitmap: runs draw with canvas drawing into the slot's
  // image instead (of the bitmap's size, cleared to zero), with the same projection and a fresh
  // drawing state, and gives that image; what draw sets there is what it would set in the bitmap.
  // reach holds every pixel draw can set (its clip's bounds, or the whole bitmap): only there is
  // the image looked at again.
  const QImage& Draw(TChartCanvas3D& canvas, size_t slot, const QRect& reach, const std::function<void()>& draw);
  // The pixels the drawing in slot could set, cut to the image.
  QRect Reach(size_t slot) const { return asides_.at(slot).Reach; }
  // Copies the pixels that the drawing in slot set into canvas' bitmap: the picture drawing it
  // there would have given, when what it drew set its pixels in opaque colours. The slot's image
  // is left cleared, ready for the next drawing.
  void Put(TChartCanvas3D& canvas, size_t slot);

 private:
  struct Aside {
    QImage Image;
    bool Clear = false;  // every pixel is zero
    QRect Reach;         // outside it every pixel is zero
  };
  std::vector<Aside> asides_;
};
