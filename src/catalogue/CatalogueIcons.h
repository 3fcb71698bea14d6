#pragma once

#include <QIcon>
#include <QList>

// The four 16 x 16 icons of the catalogue menus, in image-list order:
// 0 a closed brown folder (sections), 1 a page with a picture (pictures),
// 2 a page of text lines ("Изменить"), 3 three blue bars, the middle one
// shifted right (">> В Быстрое"). Drawn, so that no image files are needed.
QList<QIcon> CatalogueImageList();
