#!/bin/sh
# Rebuilds the reader's fixtures: three small pictures as PPM, and the bitmaps ImageMagick
# writes from them in the layouts the reader must take. Run from anywhere; writes here.
set -eu
cd "$(dirname "$0")"

# 5 by 3, fifteen different colours: rows of 5 pixels need padding at every depth.
cat > obraz.ppm <<'PPM'
P3
5 3
255
255 0 0  0 255 0  0 0 255  255 255 0  255 0 255
0 255 255  255 255 255  0 0 0  132 0 0  0 132 0
0 0 132  132 132 0  132 0 132  0 132 132  132 132 132
PPM

# 13 by 4, twenty colours with runs, so that run-length coding has runs to find.
cat > paski.ppm <<'PPM'
P3
13 4
255
255 0 0  255 0 0  255 0 0  255 0 0  255 0 0  0 255 0  0 0 255  10 20 30  40 50 60  70 80 90  100 110 120  130 140 150  160 170 180
190 200 210  220 230 240  60 0 0  4 5 6  7 8 9  7 8 9  7 8 9  7 8 9  7 8 9  7 8 9  7 8 9  7 8 9  7 8 9
0 0 0  0 0 0  0 0 0  255 255 255  0 0 0  255 255 255  250 128 0  250 128 0  250 128 0  250 128 0  11 22 33  11 22 33  99 0 99
255 255 255  0 0 0  0 0 0  0 0 0  0 0 0  0 0 0  0 0 0  0 0 0  0 0 0  0 0 0  0 0 0  0 0 0  0 0 0
PPM

# 13 by 4 in black and white: 13 bits a row cross a byte boundary.
cat > czb.ppm <<'PPM'
P1
13 4
1 0 0 0 0 0 0 0 0 1 1 1 0
0 1 0 1 0 1 0 1 0 1 0 1 0
1 1 1 1 1 1 1 1 1 0 0 0 0
0 0 0 0 0 0 0 0 0 0 0 0 1
PPM
mv czb.ppm czb.pbm

convert obraz.ppm BMP3:im_24.bmp
convert obraz.ppm BMP2:im_24_rdzen.bmp
convert obraz.ppm BMP:im_24_v5.bmp
convert obraz.ppm -type Palette BMP3:im_4.bmp
convert paski.ppm -type Palette -compress None BMP3:im_8.bmp
convert paski.ppm -type Palette BMP2:im_8_rdzen.bmp
convert paski.ppm -type Palette -compress RLE BMP3:im_rle8.bmp
convert czb.pbm -type Bilevel BMP3:im_1.bmp
