#include "previewplayer.h"

PreviewPlayer::~PreviewPlayer() = default;
