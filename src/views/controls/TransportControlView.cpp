#include "views/controls/TransportControlView.h"

#include "model/kinds/QXTransport.h"
#include "views/ViewLayout.h"
#include "widgets/bound/TransportControllerComboBox.h"
#include "widgets/bound/TransportControllerNumberBox.h"

TransportControlView::TransportControlView (QXEditorEngine::Ptr engine, int transportIndex, const juce::String& title)
{
    setSize (300, 200);

    titleLabel = ViewLayout::createTitle (title, 70, 20, 18.0f);
    addAndMakeVisible (titleLabel.get());

    functionComboBox = std::make_unique<TransportControllerComboBox> (engine, "Function", transportIndex,
                                                                      QXTransport::functionItems());
    ccBox = std::make_unique<TransportControllerNumberBox> (engine, "CC", transportIndex, 0, 127);

    ViewLayout::stackRows (*this, { functionComboBox.get(), ccBox.get() }, titleLabel->getBottom() + 10, 22);
}

TransportControlView::~TransportControlView() = default;
