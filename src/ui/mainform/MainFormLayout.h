#pragma once
// The main window's layout: the title bar, the clip list area, the preview with
// its range bar, the bottom bar and the hidden pictures the clip rows use. The
// behaviour of the clip list and the preview lives in their own classes, which
// find these controls by name.

class QWidget;

void BuildTitleBar(QWidget *form);
void BuildClipListArea(QWidget *form);
void BuildPreviewArea(QWidget *form);
void BuildBottomBar(QWidget *form);
void BuildHiddenPictures(QWidget *form);
