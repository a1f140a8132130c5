#pragma once

#include <QString>

// The file to show for a help file of AppFolder ("Help1.txt") in the language in force: each
// language's catalogue names its own edition of it ("Help1_en.txt"). The file as given stands in
// for an edition that is missing, and for a file that has no other edition.
QString helpEditionInForce(const QString& fileName);
