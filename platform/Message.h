#pragma once

#include <QString>

enum class MessageButtons { Ok, YesNo };
enum class MessageIcon { Question, Information, Critical };
enum class MessageAnswer { Ok, Yes, No };

// A modal message box as the program words it. In a Yes/No box, Yes is the default.
struct Message
{
    QString title;
    QString text;
    MessageButtons buttons = MessageButtons::Ok;
    MessageIcon icon = MessageIcon::Information;

    friend bool operator==(const Message &, const Message &) = default;
};
