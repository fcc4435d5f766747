#pragma once

#include "forms/form.h"

#include <array>

namespace app {
class Program;
}

// The picture store: every picture of the lesson, the lists that say which
// picture belongs to which term, task and plan point, and the full-size viewer
// Grafika_G(0), the only control ever shown.
class Lesko_Gra : public forms::Form {
public:
    explicit Lesko_Gra(app::Program& program);
    void Form_Load() {}

    // Shows a picture at its own size with a margin around it.
    void showFullSize(const forms::Picture& picture, double extraWidth, double extraHeight);

    // The pictures of the window's own (Grafika_G holds the numbered ones).
    enum GrafikaWRole {
        BlankPicture = 1,       // shown where an item has no picture
        AuthorsPicture = 2,     // shown with the sponsor's text
        InformationPicture = 3  // shown with the texts of the information menu
    };
    // The number lists: item i is the number of the Grafika_G picture of term,
    // task or plan point i, or no picture.
    enum SpiGrList {
        TermPictures = 0,
        StatementPictures = 1,
        SolutionPictures = 2,  // item 0 holds the lesson code instead
        PlanPictures = 3
    };
    static constexpr int LessonCodeItem = 0;  // of SolutionPictures

    std::array<forms::PictureBox, 18> Grafika_G;
    std::array<forms::PictureBox, 4> Grafika_W;
    std::array<forms::ListBox, 4> Spi_GR;
};

// Size of a picture in twips.
double pictureWidth(const forms::Picture& p);
double pictureHeight(const forms::Picture& p);
