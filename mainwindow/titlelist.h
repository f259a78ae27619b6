#pragma once
// The title list in its two modes, the full list and a search's result list, and the search
// with its box, its button and its two mode faces.

#include <QChar>
#include <functional>

struct Catalogue;
struct ViewState;
class PictureView;
class TEdit;
class TImage;
class TListBox;

// The main window's widgets the list and the search use.
struct TitleListWidgets {
    TListBox& list;
    TEdit& searchBox;
    TImage& placeAndTimeFace; // the radio face of the place-and-time search
    TImage& indexFace;        // the radio face of the index search
};

class TitleList {
public:
    // showNoHits shows the message that a search found nothing.
    TitleList(const TitleListWidgets& widgets, PictureView& pictureView, ViewState& view,
              Catalogue& catalogue, std::function<void()> showNoHits);

    // Clears the list and adds the title of every record in catalogue order.
    void Fill();
    // Back from a result list: the full list with no row selected; the view keeps what it shows.
    void ReturnToFullList();
    // Searches the records for the search box's text in the current search mode.
    void RunSearch();

    // A row was chosen.
    void ListClick();
    // The search button: too short a text is refused with a message.
    void SearchClick();
    // Enter in the search box searches.
    void SearchKeyPress(QChar& key);
    void ChoosePlaceAndTime();
    void ChooseIndex();

private:
    TitleListWidgets widgets_;
    PictureView& pictureView_;
    ViewState& view_;
    Catalogue& catalogue_;
    std::function<void()> showNoHits_;
};
