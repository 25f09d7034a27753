#pragma once
// The program's own icon, painted at any size so that it stays sharp from
// the title bar up to the desktop entry.
#include <QIcon>
#include <QPixmap>

QPixmap AppIconPixmap(int size);
QIcon AppIcon();
