#pragma once
// A drop-down list that assistive technology announces by its accessible
// name, with its choice as its value. Left to itself, a drop-down list on
// this platform is announced by its choice alone.
class QComboBox;

void AnnounceByName(QComboBox& box);
