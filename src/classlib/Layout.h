// Layouts: a form's components, their properties and the names of their
// handlers, kept as JSON in the program's resources under
// ":/forms/<form class>.json".
//
//   { "class": "TForm1", "name": "Form1",
//     "properties": { "Caption": "...", "Font": { "Height": -11 }, "OnCreate": "FormCreate" },
//     "children": [ { "class": "TPanel", "name": "Panel1", "properties": {...}, "children": [...] } ] }
//
// Property values follow the property's type: numbers, booleans and strings as
// such; an enumeration by its name ("bsNone"); a set as an array of names
// (["biSystemMenu"]); a list of strings as an array; a picture as the resource
// path of an image; binary data as the resource path of a file; a nested object ("Font", "Constraints") as an object.
// An event ("OnClick") names a method `void Name(TObject *Sender)` of the form,
// declared as a slot. A form's fields are Q_PROPERTYs with MEMBER, bound to the
// component of the same name. Controls listed later lie above earlier siblings.
#pragma once

#include <QString>

class TComponent;
class TForm;

// Reads the form's layout into it. Raises EReadError for a layout that is
// missing, malformed or names anything unknown, and passes on the error of a
// component that cannot be made.
void ReadComponentRes(TForm *form);

// The layout's path for a form class: <root>/<class>.json.
QString LayoutPath(const char *formClass);
// Where layouts are read from; ":/forms", the program's resources, unless a
// test points it at a folder of its own.
void SetLayoutRoot(const QString &root);
