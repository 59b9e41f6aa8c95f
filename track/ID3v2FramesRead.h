#pragma once

#include <taglib/tbytevector.h>

// An ID3v2 tag (its header and what follows) cut down to the frames of the kinds that
// ID3v2Tag::read takes its fields from, as many of each as it may look at: the first,
// and of the comments the first 16 (it looks for the first without a description); the
// same fields come out of both. TagLib makes an object of every frame it parses: a
// 16 MiB tag of a million tiny frames would cost it seconds and most of a gigabyte. The
// walk takes the frames TagLib would: after the extended header, up to the padding, the
// footer or the first header that is no frame's. What is left has neither an extended
// header nor a footer, and no unsynchronisation of the whole tag.
TagLib::ByteVector withOnlyTheFramesRead(const TagLib::ByteVector &tag);
