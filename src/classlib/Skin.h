// A skin: the look the skin component gives the program's windows and controls.
//
// The skin stream, as a layout keeps it, is a 4-byte little-endian length
// followed by that many bytes of skin. The skin itself is a UTF-8 JSON object:
//
//   { "format": "quorvel-skin", "version": 1,
//     "frame":   { "left": 4, "right": 4, "bottom": 4, "caption": 30,
//                  "active": ["#top", "#bottom"], "inactive": [...], "edge": "#..",
//                  "text": "#..", "inactiveText": "#..",
//                  "font": { "family": "...", "pixelSize": 12, "bold": true } },
//     "captionButton": { "width": 26, "height": 20, "hover": "#..", "pressed": "#.." },
//     "window":  { "face": "#..", "text": "#.." },
//     "button":  { "face": [..2], "hover": [..2], "pressed": [..2], "border": "#..",
//                  "focus": "#..", "text": "#..", "radius": 3 },
//     "panel":   { "face": "#..", "light": "#..", "dark": "#.." },
//     "menu":    { "face": "#..", "text": "#..", "highlight": "#..", "highlightText": "#..", "border": "#.." },
//     "pictures": { "close": "<base64 PNG>", "icon": "<base64 PNG>" } }
//
// Colours are anything QColor reads; pairs are the top and bottom of a
// vertical gradient. Every key shown is required.
#pragma once

#include <QByteArray>
#include <QColor>
#include <QFont>
#include <QImage>
#include <QMargins>

struct TSkin {
    struct Gradient {
        QColor top, bottom;
    };
    // The frame the skin draws around a window with a border.
    QMargins frame;  // left, caption (top), right, bottom
    Gradient active, inactive;
    QColor edge, captionText, inactiveCaptionText;
    QFont captionFont;
    QSize captionButton;
    QColor captionButtonHover, captionButtonPressed;

    QColor windowFace, windowText;
    Gradient buttonFace, buttonHover, buttonPressed;
    QColor buttonBorder, buttonFocus, buttonText;
    int buttonRadius = 0;
    QColor panelFace, panelLight, panelDark;
    QColor menuFace, menuText, menuHighlight, menuHighlightText, menuBorder;
    QImage closePicture, iconPicture;

    // Reads a skin stream; raises EReadError when it is truncated or corrupt.
    static TSkin FromStream(const QByteArray &stream);
    // Wraps a skin in its stream: the length, then the skin.
    static QByteArray ToStream(const QByteArray &skin);
};
