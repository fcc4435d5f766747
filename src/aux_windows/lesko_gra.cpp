#include "aux_windows/lesko_gra.h"

#include "forms/members.h"

Lesko_Gra::Lesko_Gra(app::Program&) : Form(QStringLiteral("Lesko_Gra"))
{
    setCaption(QStringLiteral("Пълен размер на графиката"));
    setSize(11910, 8640);
    setBackColor(134);
    forms::nameMembers(Grafika_G, u"Grafika_G");
    forms::nameMembers(Grafika_W, u"Grafika_W");
    forms::nameMembers(Spi_GR, u"Spi_GR");
    forms::place(Grafika_G[0], {0, 0, 3495, 3495});
    for (std::size_t i = 1; i < Grafika_G.size(); ++i)
        Grafika_G[i].setVisible(false);
    for (auto& w : Grafika_W)
        w.setVisible(false);
    Grafika_W[BlankPicture].setBackColor(32768);
    Grafika_W[InformationPicture].setBackColor(32768);
    for (auto& list : Spi_GR)
        list.setVisible(false);
    add(Grafika_G);
    add(Grafika_W, 1);
    add(Spi_GR);
}

void Lesko_Gra::showFullSize(const forms::Picture& picture, double extraWidth, double extraHeight)
{
    const double w = pictureWidth(picture);
    const double h = pictureHeight(picture);
    Grafika_G[0].Move(0, 0, w, h);
    Grafika_G[0].setPicture(picture);
    setSize(w + extraWidth, h + extraHeight);
    Show();
}

double pictureWidth(const forms::Picture& p) { return p.pixelSize().width() * double(forms::TwipsPerPicturePixel); }
double pictureHeight(const forms::Picture& p) { return p.pixelSize().height() * double(forms::TwipsPerPicturePixel); }
