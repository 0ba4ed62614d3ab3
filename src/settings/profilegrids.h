#pragma once

class ValueListModel;

// The three parameter grids a profile is loaded into: video, audio and
// advanced. The main window and the settings dialog each have a set.
struct ProfileGrids
{
    ValueListModel *video = nullptr;
    ValueListModel *audio = nullptr;
    ValueListModel *advanced = nullptr;

    // The grid a parameter's "Sort" value names (1, 2, 3), or nullptr.
    ValueListModel *bySort(int sort) const
    {
        switch (sort) {
        case 1:
            return video;
        case 2:
            return audio;
        case 3:
            return advanced;
        default:
            return nullptr;
        }
    }
};
