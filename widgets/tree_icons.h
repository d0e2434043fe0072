// The pictures of the contact tree and the conversation list, drawn by the
// program: an emblem with a small smiley (identity), a smiley (friend), two
// speech balloons (all conversations), a red heart (favourites), an open book.
#pragma once

#include <QIcon>

namespace orvex {

enum TreeImage {
  kImageFriend = 0,
  kImageShowAll = 1,
  kImageIdentity = 2,
  kImageFavorites = 3,
  kImageBook = 4
};

QIcon TreeIcon(int image_index);

}  // namespace orvex
