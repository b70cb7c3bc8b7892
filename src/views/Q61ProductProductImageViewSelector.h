#pragma once

#include "views/ViewSelector.h"
#include "widgets/PictureComponent.h"

/** The product picture, whose sections are buttons that select their views. */
class Q61ProductProductImageViewSelector : public ViewSelector
{
public:
    Q61ProductProductImageViewSelector();

private:
    PictureComponent productImage;
};
