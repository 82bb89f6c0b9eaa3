#pragma once

// The program's own pictures for its title, about and author windows, drawn
// in code so that they stay sharp and need no image files.

#include <QPixmap>

namespace brinox {

// A tree whose crown carries a small pedigree: one person at the trunk,
// two parents above, four grandparents at the top.
QPixmap familyTreePicture(QSize size);

// A single green leaf on a twig.
QPixmap leafPicture(QSize size);

// A smiling figure waving from behind a screen.
QPixmap smilingFigurePicture(QSize size);

}  // namespace brinox
