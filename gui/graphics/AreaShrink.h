#pragma once

class TBitmap;

// Shrinks a picture to the target's size: each target pixel is the average of the source area
// it covers, weighted by how much of each source pixel lies inside. That is what the smooth
// filter of a scaled draw gives when it shrinks, at a small part of its cost on large pictures.
// The target keeps its size, which must be no larger than the source's in either direction;
// colours stay premultiplied by their alpha, so transparency averages as it should.
void ShrinkByArea(const TBitmap& source, TBitmap& target);
