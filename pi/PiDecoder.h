#pragma once
// Decoder for Pi pictures. (Interface filled in by the decoder work.)
