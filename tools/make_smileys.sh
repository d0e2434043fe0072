#!/usr/bin/env bash
# Draws the 64 smiley pictures 01.gif .. 64.gif that the renderer puts in
# place of emoticons. Usage: tools/make_smileys.sh [OUTPUT_FOLDER]
# (default: the repository's Smileys/). Needs ImageMagick's convert.
#
# Each picture is drawn at four times its size on a 72x72 canvas and then
# box-scaled to 18x18: that keeps the shapes smooth inside, while the alpha is
# cut at 50% because GIF transparency is all or nothing. Only vector
# primitives are used (no fonts), so the output depends on nothing but convert.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
out=${1:-"$here/../Smileys"}
mkdir -p "$out"
command -v convert >/dev/null || { echo "make_smileys.sh: ImageMagick convert not found" >&2; exit 1; }

# Palette.
YEL='#FFD21F'   # face
OUT='#7A4300'   # face outline
INK='#3A1F00'   # eyes, mouths
RED='#E0262B'
PINK='#FF7FA8'
BLUE='#2F7FE8'
GREEN='#2E9E3A'
WHITE='#FFFFFF'
SKIN='#FFCB8E'
SKINOUT='#9A5A1A'

# --- building blocks (MVG text for convert -draw) --------------------------

# face [FILL]: the round head, centre 36,37, radius 30.
face() { echo "fill '${1:-$YEL}' stroke '${2:-$OUT}' stroke-width 4 circle 36,37 36,7"; }
# eyes: the two plain oval eyes.
eyes() { echo "stroke none fill '$INK' ellipse 26,28 4,6 0,360 ellipse 46,28 4,6 0,360"; }
# line PATH [COLOUR] [WIDTH]: a stroked open path with round ends.
line() {
  echo "fill none stroke '${2:-$INK}' stroke-width ${3:-5} stroke-linecap round stroke-linejoin round path '$1'"
}
# shape FILL PATH [STROKE] [WIDTH]: a filled, outlined path.
shape() {
  echo "fill '$1' stroke '${3:-$INK}' stroke-width ${4:-3} stroke-linejoin round path '$2'"
}
# dot FILL X Y R: a filled circle without outline.
dot() { echo "stroke none fill '$1' circle $2,$3 $2,$(($3 + $4))"; }
# ring COLOUR X Y R [WIDTH]: an unfilled circle.
ring() { echo "fill none stroke '$1' stroke-width ${5:-4} circle $2,$3 $2,$(($3 + $4))"; }
# frame SCALE DX DY MVG: draws MVG shrunk and moved, to make room for hats and the like.
frame() { echo "push graphic-context translate $2,$3 scale $1,$1 $4 pop graphic-context"; }

smile() { line 'M 21,43 Q 36,59 51,43'; }
frown() { line 'M 23,55 Q 36,42 49,55'; }
# grin: an open laughing mouth with a row of teeth.
grin() {
  shape "$INK" 'M 17,40 L 55,40 Q 53,63 36,63 Q 19,63 17,40 Z' "$INK" 3
  shape "$WHITE" 'M 20,41 L 52,41 L 51,47 L 21,47 Z' none 0
}
# heart PATH in a 20x18 box at X,Y (top-left).
heart() {
  local x=$1 y=$2 s=${3:-1} c=${4:-$RED}
  frame "$s" "$x" "$y" "$(shape "$c" 'M 10,17 C 0,10 -1,4 3,1 C 6,-1 9,1 10,4 C 11,1 14,-1 17,1 C 21,4 20,10 10,17 Z' '#8A0010' 2)"
}
# hand: an open palm, fingers up, in a 40x52 box with its top-left at X,Y.
palm() {
  frame "${3:-1}" "$1" "$2" "$(shape "$SKIN" 'M 6,30 L 6,10 Q 6,6 10,6 Q 14,6 14,10 L 14,24 L 14,4 Q 14,0 18,0 Q 22,0 22,4 L 22,24 L 22,3 Q 22,-1 26,-1 Q 30,-1 30,3 L 30,25 L 30,8 Q 30,4 34,4 Q 38,4 38,8 L 38,34 Q 38,52 22,52 Q 10,52 4,40 L -4,26 Q -6,21 -1,20 Q 3,19 6,26 Z' "$SKINOUT" 3)"
}

pictures=()
# pic NN MVG...: one picture.
pic() {
  local n=$1
  shift
  pictures+=("$n")
  convert -size 72x72 xc:none -draw "$*" \
    -scale 18x18 -channel A -threshold 50% +channel \
    "$out/$n.gif"
}

# --- the pictures ----------------------------------------------------------

# 01 :-) smile
pic 01 "$(face)" "$(eyes)" "$(smile)"
# 02 :-( sad
pic 02 "$(face)" "$(eyes)" "$(frown)"
# 03 ;-) ;) wink: right eye shut
pic 03 "$(face)" "stroke none fill '$INK' ellipse 26,28 4,6 0,360" \
  "$(line 'M 40,30 Q 46,23 52,30')" "$(line 'M 21,44 Q 38,60 53,40')"
# 04 :-D big grin
pic 04 "$(face)" "$(eyes)" "$(grin)"
# 05 ;;) batting eyelashes: lidded eyes with lashes, a small smile, blush
pic 05 "$(face)" "$(dot "$PINK" 16 44 5)" "$(dot "$PINK" 56 44 5)" \
  "$(line 'M 19,30 Q 26,36 33,30')" "$(line 'M 39,30 Q 46,36 53,30')" \
  "$(line 'M 19,30 L 15,25 M 24,32 L 22,25 M 33,30 L 34,24' "$INK" 3)" \
  "$(line 'M 53,30 L 57,25 M 48,32 L 50,25 M 39,30 L 38,24' "$INK" 3)" \
  "$(line 'M 27,48 Q 36,55 45,48')"
# 06 :-/ :-\ confused: a slanted mouth, one brow up
pic 06 "$(face)" "$(eyes)" "$(line 'M 40,16 Q 46,13 52,17' "$INK" 4)" "$(line 'M 23,52 L 49,44')"
# 07 :-X love struck: heart eyes
pic 07 "$(face)" "$(heart 15 20 0.9)" "$(heart 39 20 0.9)" "$(smile)"
# 08 :"> blushing: downcast eyes, red cheeks
pic 08 "$(face '#FFC21F')" "$(dot '#F2557A' 16 43 6)" "$(dot '#F2557A' 56 43 6)" \
  "$(line 'M 20,29 Q 26,34 32,29')" "$(line 'M 40,29 Q 46,34 52,29')" "$(line 'M 29,48 Q 36,53 43,48')"
# 09 :-P tongue out
pic 09 "$(face)" "$(eyes)" \
  "$(shape '#F0506E' 'M 33,47 L 49,47 L 49,56 Q 49,64 41,64 Q 33,64 33,56 Z' '#8A0020' 3)" \
  "$(line 'M 22,46 L 52,46')" "$(line 'M 41,50 L 41,57' '#A01030' 3)"
# 10 :-* :* =* kiss: shut eyes, red lips, a heart
pic 10 "$(face)" "$(line 'M 19,29 Q 25,34 31,29')" "$(line 'M 37,29 Q 43,34 49,29')" \
  "$(shape "$RED" 'M 26,50 Q 31,43 36,47 Q 41,43 46,50 Q 36,58 26,50 Z' '#8A0010' 2)" \
  "$(heart 51 5 0.9)"
# 11 :-O :O surprise: wide eyes, raised brows, round mouth
pic 11 "$(face)" "$(line 'M 19,16 Q 25,11 31,15' "$INK" 4)" "$(line 'M 41,15 Q 47,11 53,16' "$INK" 4)" \
  "fill '$WHITE' stroke '$INK' stroke-width 3 circle 25,28 25,35 circle 47,28 47,35" \
  "$(dot "$INK" 25 28 3)" "$(dot "$INK" 47 28 3)" \
  "fill '$INK' stroke none ellipse 36,51 6,8 0,360"
# 12 X-( angry: red face, slanted brows
pic 12 "$(face '#FF6A3D' '#7A1500')" "$(line 'M 16,18 L 31,25' "$INK" 5)" "$(line 'M 56,18 L 41,25' "$INK" 5)" \
  "$(dot "$INK" 26 32 4)" "$(dot "$INK" 46 32 4)" "$(line 'M 23,56 Q 36,44 49,56')"
# 13 :-> :> smug: lidded eyes, lopsided smile
pic 13 "$(face)" "$(shape "$INK" 'M 20,27 L 32,27 Q 32,34 26,34 Q 20,34 20,27 Z' "$INK" 2)" \
  "$(shape "$INK" 'M 40,27 L 52,27 Q 52,34 46,34 Q 40,34 40,27 Z' "$INK" 2)" \
  "$(line 'M 18,25 L 34,25 M 38,25 L 54,25' "$INK" 3)" "$(line 'M 24,48 Q 40,54 52,42')"
# 14 B-) :-B cool: sunglasses
pic 14 "$(face)" \
  "$(shape '#111111' 'M 9,22 L 34,22 L 32,34 Q 22,41 12,34 Z' '#111111' 2)" \
  "$(shape '#111111' 'M 38,22 L 63,22 L 60,34 Q 50,41 40,34 Z' '#111111' 2)" \
  "$(line 'M 33,24 L 39,24' '#111111' 4)" "$(line 'M 15,26 L 21,26 M 44,26 L 50,26' '#9AD0FF' 3)" \
  "$(line 'M 23,46 Q 38,58 51,44')"
# 15 (no emoticon) a red heart
pic 15 "$(heart 2 6 3.4)"
# 16 (no emoticon) a yellow star
pic 16 "$(shape '#FFD21F' 'M 36,3 L 45,26 L 69,27 L 50,42 L 57,66 L 36,52 L 15,66 L 22,42 L 3,27 L 27,26 Z' '#A06000' 4)"
# 17 :-(( :(( crying: shut eyes, streams of tears
pic 17 "$(face)" "$(line 'M 19,31 Q 25,26 31,31')" "$(line 'M 41,31 Q 47,26 53,31')" \
  "$(line 'M 22,34 L 20,58' "$BLUE" 6)" "$(line 'M 50,34 L 52,58' "$BLUE" 6)" \
  "$(line 'M 28,55 Q 36,46 44,55')"
# 18 :-)) :)) laughing: squeezed eyes, wide open mouth with tongue
pic 18 "$(face)" "$(line 'M 18,31 L 26,24 L 32,31')" "$(line 'M 40,31 L 46,24 L 54,31')" \
  "$(shape "$INK" 'M 15,38 L 57,38 Q 55,65 36,65 Q 17,65 15,38 Z' "$INK" 3)" \
  "$(shape '#F0506E' 'M 24,58 Q 36,48 48,58 Q 36,66 24,58 Z' none 0)" \
  "$(line 'M 12,24 L 9,32' "$BLUE" 4)" "$(line 'M 60,24 L 63,32' "$BLUE" 4)"
# 19 :-| :| straight face
pic 19 "$(face)" "$(eyes)" "$(line 'M 24,48 L 48,48')"
# 20 /:-) /:) raised eyebrow
pic 20 "$(face)" "$(eyes)" "$(line 'M 18,20 L 32,20' "$INK" 4)" "$(line 'M 40,15 Q 46,8 53,14' "$INK" 4)" \
  "$(line 'M 26,49 Q 38,53 48,45')"
# 21 0:-) angel: a halo over a smaller face
pic 21 "fill none stroke '#D9A000' stroke-width 5 ellipse 36,8 20,5 0,360" \
  "$(frame 0.84 6 13 "$(face)$(eyes)$(smile)")"
# 22 :B nerd: round glasses, buck teeth
pic 22 "$(face)" "fill '#EAF6FF' stroke '#222222' stroke-width 3 circle 25,29 25,39 circle 47,29 47,39" \
  "$(line 'M 35,29 L 37,29 M 15,27 L 8,24 M 57,27 L 64,24' '#222222' 3)" \
  "$(dot "$INK" 25 30 3)" "$(dot "$INK" 47 30 3)" \
  "$(line 'M 23,47 Q 36,54 49,47')" "$(shape "$WHITE" 'M 30,49 L 42,49 L 42,57 L 30,57 Z' "$INK" 2)" \
  "$(line 'M 36,50 L 36,56' "$INK" 2)"
# 23 =; talk to the hand: a raised palm
pic 23 "$(palm 18 8 1.15)"
# 24 I-) |-) I-| sleepy: shut eyes, a yawn and Zs
pic 24 "$(frame 0.86 0 10 "$(face)$(line 'M 18,30 Q 25,35 32,30')$(line 'M 40,30 Q 47,35 54,30')$(dot "$INK" 36 50 5)")" \
  "$(line 'M 48,3 L 60,3 L 48,15 L 60,15' "$BLUE" 4)" "$(line 'M 60,18 L 68,18 L 60,26 L 68,26' "$BLUE" 3)"
# 25 8-| rolling eyes: pupils up
pic 25 "$(face)" "fill '$WHITE' stroke '$INK' stroke-width 3 circle 25,29 25,38 circle 47,29 47,38" \
  "$(dot "$INK" 25 23 4)" "$(dot "$INK" 47 23 4)" "$(line 'M 25,50 L 47,50')"
# 26 :-& sick: green face, wavy mouth
pic 26 "$(face '#9CD64A' '#2F5A00')" "$(line 'M 19,27 L 31,31 M 53,27 L 41,31' "$INK" 4)" \
  "$(dot "$INK" 26 34 3)" "$(dot "$INK" 46 34 3)" \
  "$(line 'M 18,52 Q 24,44 30,51 Q 36,58 42,51 Q 48,44 54,52')"
# 27 :-$ don't tell anyone: a zipped mouth, eyes to the side
pic 27 "$(face)" "$(eyes)" "$(dot "$WHITE" 24 26 2)" "$(dot "$WHITE" 44 26 2)" \
  "$(line 'M 18,47 L 54,47' "$INK" 4)" \
  "$(line 'M 22,43 L 22,51 M 28,43 L 28,51 M 34,43 L 34,51 M 40,43 L 40,51 M 46,43 L 46,51' "$INK" 3)" \
  "$(shape '#C0C0C0' 'M 50,44 L 58,44 L 58,56 L 50,56 Z' '#404040' 2)"
# 28 [-( not talking: tape over the mouth, stern brows
pic 28 "$(face)" "$(line 'M 18,20 L 31,23 M 54,20 L 41,23' "$INK" 4)" "$(eyes)" \
  "$(shape "$WHITE" 'M 14,43 L 56,37 L 58,51 L 16,57 Z' '#606060' 3)" \
  "$(line 'M 24,44 L 32,52 M 32,44 L 24,52 M 40,42 L 48,50 M 48,42 L 40,50' '#909090' 3)"
# 29 :O) :o) :0) <@:) clown: red nose, coloured hair
pic 29 "fill '$BLUE' stroke none circle 11,22 11,33 circle 61,22 61,33" \
  "fill '#FF4FA0' stroke none circle 17,12 17,22 circle 55,12 55,22" \
  "$(face '#FFF4E0')" "$(line 'M 21,24 L 29,32 M 29,24 L 21,32 M 43,24 L 51,32 M 51,24 L 43,32' "$INK" 4)" \
  "$(line 'M 16,44 Q 36,66 56,44' "$RED" 6)" "fill '$RED' stroke '#800000' stroke-width 2 circle 36,40 36,48"
# 30 8-} silly: uneven eyes, a crooked grin with tongue
pic 30 "$(face)" "fill '$WHITE' stroke '$INK' stroke-width 3 circle 24,27 24,38 circle 48,29 48,35" \
  "$(dot "$INK" 27 30 4)" "$(dot "$INK" 47 30 2)" \
  "$(line 'M 18,46 Q 26,40 34,48 Q 42,56 54,44')" \
  "$(shape '#F0506E' 'M 34,50 L 44,52 Q 44,62 37,61 Q 32,59 34,50 Z' '#8A0020' 2)"
# 31 (:| yawn: shut eyes, tall open mouth
pic 31 "$(face)" "$(line 'M 18,29 L 32,29')" "$(line 'M 40,29 L 54,29')" \
  "fill '$INK' stroke none ellipse 36,50 8,12 0,360" "fill '#F0506E' stroke none ellipse 36,57 5,4 0,360"
# 32 =P~ drooling: dreamy eyes, tongue, a drop
pic 32 "$(face)" "$(line 'M 18,29 Q 25,23 32,29')" "$(line 'M 40,29 Q 47,23 54,29')" \
  "$(shape "$INK" 'M 22,42 L 50,42 Q 48,56 36,56 Q 24,56 22,42 Z' "$INK" 2)" \
  "$(shape '#F0506E' 'M 29,48 Q 36,45 43,48 L 43,56 Q 36,62 29,56 Z' none 0)" \
  "$(shape '#7FC8FF' 'M 47,52 Q 53,60 53,64 Q 53,69 47,69 Q 41,69 41,64 Q 41,60 47,52 Z' '#1F6FD0' 2)"
# 33 :-? thinking: eyes up, a question mark
pic 33 "$(frame 0.8 0 14 "$(face)$(dot "$INK" 30 24 4)$(dot "$INK" 50 24 4)$(line 'M 26,48 L 46,44')")" \
  "$(line 'M 50,9 Q 50,2 58,2 Q 66,2 66,9 Q 66,15 58,18 L 58,24' "$BLUE" 5)" "$(dot "$BLUE" 58 32 3)"
# 34 #-o d'oh: a hand slapped on the forehead
pic 34 "$(face)" "$(line 'M 20,33 L 30,36 L 20,39' "$INK" 4)" "$(line 'M 52,33 L 42,36 L 52,39' "$INK" 4)" \
  "fill '$INK' stroke none ellipse 36,52 5,6 0,360" \
  "push graphic-context translate 12,30 rotate -90 scale 0.6,0.6 $(palm 0 0 1) pop graphic-context"
# 35 =D> applause: a grin and two clapping hands
pic 35 "$(frame 0.74 0 0 "$(face)$(eyes)$(grin)")" \
  "push graphic-context translate 30,40 rotate -20 scale 0.5,0.5 $(palm 0 0 1) pop graphic-context" \
  "push graphic-context translate 70,40 rotate 20 scale -0.5,0.5 $(palm 0 0 1) pop graphic-context" \
  "$(line 'M 50,30 L 50,36 M 42,32 L 44,38 M 58,32 L 56,38' '#E08000' 3)"
# 36 :@) pig: pink face, snout, ears
pic 36 "$(shape '#FF9CBC' 'M 12,18 L 10,2 L 26,10 Z' '#B03060' 3)" "$(shape '#FF9CBC' 'M 60,18 L 62,2 L 46,10 Z' '#B03060' 3)" \
  "$(face '#FFB6CE' '#B03060')" "$(dot "$INK" 25 27 4)" "$(dot "$INK" 47 27 4)" \
  "fill '#FF86AE' stroke '#B03060' stroke-width 3 ellipse 36,46 12,9 0,360" \
  "$(dot '#8A1040' 31 46 3)" "$(dot '#8A1040' 41 46 3)"
# 37 3:-O cow: horns, patches, muzzle
pic 37 "$(shape '#EFE2C0' 'M 14,20 Q 4,12 6,2 Q 14,10 22,12 Z' '#7A6A40' 3)" \
  "$(shape '#EFE2C0' 'M 58,20 Q 68,12 66,2 Q 58,10 50,12 Z' '#7A6A40' 3)" \
  "$(face "$WHITE" '#333333')" "fill '#333333' stroke none ellipse 20,22 9,8 0,360 ellipse 52,18 7,6 0,360" \
  "$(dot "$INK" 26 32 4)" "$(dot "$INK" 46 32 4)" "$(dot "$WHITE" 27 31 1)" \
  "fill '#FFB6CE' stroke '#B03060' stroke-width 3 ellipse 36,52 15,10 0,360" \
  "$(dot '#8A1040' 30 52 3)" "$(dot '#8A1040' 42 52 3)"
# 38 :(|) monkey: brown face, ears, pale muzzle
pic 38 "fill '#8A5426' stroke '#3A1F00' stroke-width 3 circle 8,36 8,46 circle 64,36 64,46" \
  "fill '#F0C89A' stroke none circle 8,36 8,41 circle 64,36 64,41" \
  "$(face '#8A5426' '#3A1F00')" "fill '#F0C89A' stroke none ellipse 28,30 9,10 0,360 ellipse 44,30 9,10 0,360 ellipse 36,48 17,13 0,360" \
  "$(dot "$INK" 28 30 3)" "$(dot "$INK" 44 30 3)" "$(line 'M 26,48 Q 36,58 46,48' "$INK" 4)" "$(dot "$INK" 33 42 1)" "$(dot "$INK" 39 42 1)"
# 39 ~:> chicken: white head, red comb, orange beak
pic 39 "$(shape "$RED" 'M 20,14 Q 18,2 27,6 Q 30,-1 36,6 Q 42,1 44,10 L 40,16 Z' '#800000' 3)" \
  "$(face "$WHITE" '#606060')" "$(dot "$INK" 40 28 4)" \
  "$(shape '#FF9A1A' 'M 50,34 L 70,40 L 50,46 Z' '#A05000' 3)" \
  "$(shape "$RED" 'M 49,47 Q 56,58 48,60 Q 43,56 46,47 Z' '#800000' 2)"
# 40 @};- rose: red bloom, green stem and leaf
pic 40 "$(line 'M 34,36 Q 30,52 22,68' "$GREEN" 6)" \
  "$(shape '#4CBF40' 'M 28,54 Q 40,44 50,50 Q 40,60 28,54 Z' '#1F6A1A' 2)" \
  "fill '$RED' stroke '#7A0010' stroke-width 3 circle 38,22 38,41" \
  "$(line 'M 38,22 Q 44,16 46,24 Q 46,32 36,32 Q 28,30 28,20 Q 30,10 42,10' '#7A0010' 3)"
# 41 %%- good luck: a four-leaf clover
pic 41 "$(line 'M 36,38 Q 40,56 52,68' '#1F7A1A' 5)" \
  "fill '#3DB83A' stroke '#1F6A1A' stroke-width 3 circle 24,24 24,36 circle 48,24 48,36 circle 24,46 24,58 circle 48,46 48,58" \
  "$(line 'M 24,24 L 48,46 M 48,24 L 24,46' '#1F6A1A' 2)"
# 42 **== flag: stars and stripes on a pole
pic 42 "$(line 'M 8,4 L 8,70' '#6A4A2A' 5)" \
  "$(shape "$WHITE" 'M 10,6 L 68,6 L 68,46 L 10,46 Z' '#333333' 2)" \
  "fill '$RED' stroke none rectangle 10,6 68,12 rectangle 10,18 68,24 rectangle 10,30 68,36 rectangle 10,41 68,46" \
  "fill '#2040A0' stroke none rectangle 10,6 36,28" "$(dot "$WHITE" 17 12 2)" "$(dot "$WHITE" 29 12 2)" \
  "$(dot "$WHITE" 23 18 2)" "$(dot "$WHITE" 17 23 2)" "$(dot "$WHITE" 29 23 2)"
# 43 (~~) pumpkin: ribbed orange ball, green stalk
pic 43 "$(line 'M 36,16 Q 36,6 44,3' '#2E7A1A' 6)" \
  "fill '#FF8A1A' stroke '#8A3A00' stroke-width 3 ellipse 22,42 16,24 0,360 ellipse 50,42 16,24 0,360 ellipse 36,42 14,26 0,360" \
  "$(shape '#5AB83A' 'M 40,10 Q 52,2 58,10 Q 48,16 40,10 Z' '#2E7A1A' 2)"
# 44 ~o) coffee: a steaming cup
pic 44 "$(line 'M 24,20 Q 18,14 24,8 Q 30,2 24,-2 M 40,20 Q 34,14 40,8 Q 46,2 40,-2' '#909090' 4)" \
  "fill none stroke '#5A3010' stroke-width 5 ellipse 54,44 9,9 -90,90" \
  "$(shape '#FFFFFF' 'M 8,26 L 56,26 L 52,60 Q 50,66 44,66 L 20,66 Q 14,66 12,60 Z' '#5A3010' 4)" \
  "fill '#6A3A10' stroke none ellipse 32,29 21,3 0,360" "$(shape '#D0D0D0' 'M 4,66 L 66,66 L 62,71 L 8,71 Z' '#707070' 2)"
# 45 *-:) idea: a lit bulb above the head
pic 45 "$(frame 0.7 11 22 "$(face)$(eyes)$(smile)")" \
  "fill '#FFF27A' stroke '#A08000' stroke-width 3 circle 36,12 36,22" \
  "$(shape '#A0A0A0' 'M 31,21 L 41,21 L 40,27 L 32,27 Z' '#505050' 2)" \
  "$(line 'M 20,6 L 14,3 M 52,6 L 58,3 M 20,16 L 13,18 M 52,16 L 59,18' '#E0A000' 3)"
# 46 8-X skull
pic 46 "$(shape '#F4F1E6' 'M 36,4 Q 64,4 64,32 Q 64,46 54,50 L 52,64 L 20,64 L 18,50 Q 8,46 8,32 Q 8,4 36,4 Z' '#404040' 4)" \
  "fill '#202020' stroke none ellipse 24,32 8,9 0,360 ellipse 48,32 8,9 0,360" \
  "$(shape '#202020' 'M 36,40 L 40,48 L 32,48 Z' '#202020' 1)" "$(line 'M 28,54 L 28,63 M 36,54 L 36,63 M 44,54 L 44,63' '#404040' 3)"
# 47 =:) bug: a green alien with antennae
pic 47 "$(line 'M 26,16 L 16,2 M 46,16 L 56,2' '#2F5A00' 4)" "$(dot '#FF4FA0' 16 3 4)" "$(dot '#FF4FA0' 56 3 4)" \
  "fill '#8CE04A' stroke '#2F5A00' stroke-width 4 ellipse 36,42 27,26 0,360" \
  "fill '$INK' stroke none ellipse 25,38 7,9 0,360 ellipse 47,38 7,9 0,360" \
  "$(dot "$WHITE" 27 35 2)" "$(dot "$WHITE" 49 35 2)" "$(line 'M 28,56 Q 36,62 44,56' "$INK" 4)"
# 48 (no emoticon) a gift box
pic 48 "$(shape '#E83A50' 'M 8,30 L 64,30 L 64,68 L 8,68 Z' '#7A0010' 3)" \
  "$(shape '#FF5A70' 'M 4,20 L 68,20 L 68,32 L 4,32 Z' '#7A0010' 3)" \
  "fill '#FFD21F' stroke none rectangle 31,20 41,68" \
  "$(line 'M 36,20 Q 22,4 16,12 Q 14,20 36,20 M 36,20 Q 50,4 56,12 Q 58,20 36,20' '#D9A000' 4)"
# 49 :-L frustrated: gritted teeth, a drop of sweat
pic 49 "$(face)" "$(line 'M 18,22 L 31,26 M 54,22 L 41,26' "$INK" 4)" "$(dot "$INK" 26 32 4)" "$(dot "$INK" 46 32 4)" \
  "$(shape "$WHITE" 'M 20,44 L 52,44 L 52,56 L 20,56 Z' "$INK" 3)" "$(line 'M 20,50 L 52,50 M 28,44 L 28,56 M 36,44 L 36,56 M 44,44 L 44,56' "$INK" 2)" \
  "$(shape '#7FC8FF' 'M 60,8 Q 66,18 66,21 Q 66,26 60,26 Q 54,26 54,21 Q 54,18 60,8 Z' '#1F6FD0' 2)"
# 50 <):) cowboy: a broad-brimmed hat
pic 50 "$(frame 0.82 6 14 "$(face)$(eyes)$(smile)")" \
  "$(shape '#A0622A' 'M 18,20 Q 18,2 28,2 Q 36,6 44,2 Q 54,2 54,20 Z' '#4A2A0A' 3)" \
  "$(shape '#A0622A' 'M 2,16 Q 10,24 36,24 Q 62,24 70,16 Q 66,28 36,28 Q 6,28 2,16 Z' '#4A2A0A' 3)" \
  "$(line 'M 19,16 L 53,16' '#4A2A0A' 4)"
# 51 [-o< praying: hands pressed together
pic 51 "$(shape "$SKIN" 'M 36,4 Q 30,4 28,14 L 20,46 L 14,58 L 26,68 L 36,52 Z' "$SKINOUT" 3)" \
  "$(shape "$SKIN" 'M 36,4 Q 42,4 44,14 L 52,46 L 58,58 L 46,68 L 36,52 Z' "$SKINOUT" 3)" \
  "$(line 'M 10,16 L 16,20 M 62,16 L 56,20 M 8,32 L 16,32 M 64,32 L 56,32' '#E0A000' 3)"
# 52 @-) hypnotised: spiral eyes, wavy mouth
pic 52 "$(face)" "$(line 'M 25,28 Q 29,26 29,30 Q 28,35 23,34 Q 18,32 19,26 Q 21,19 28,20 Q 35,22 34,30' "$INK" 3)" \
  "$(line 'M 47,28 Q 51,26 51,30 Q 50,35 45,34 Q 40,32 41,26 Q 43,19 50,20 Q 57,22 56,30' "$INK" 3)" \
  "$(line 'M 24,50 Q 30,45 36,50 Q 42,55 48,50')"
# 53 $-) money eyes: green dollar signs, a wide smile
pic 53 "$(face)" "$(line 'M 31,21 Q 27,17 23,19 Q 19,22 24,26 L 28,28 Q 33,31 28,35 Q 24,37 19,33 M 25,15 L 25,39' "$GREEN" 3)" \
  "$(line 'M 53,21 Q 49,17 45,19 Q 41,22 46,26 L 50,28 Q 55,31 50,35 Q 46,37 41,33 M 47,15 L 47,39' "$GREEN" 3)" \
  "$(line 'M 18,44 Q 36,62 54,44')"
# 54 :-" whistling: pursed lips to the side, a note
pic 54 "$(frame 0.86 0 10 "$(face)$(eyes)$(ring "$INK" 44 48 4 4)")" \
  "$(line 'M 60,30 L 60,8 L 68,12' '#2040A0' 4)" "fill '#2040A0' stroke none ellipse 56,31 5,4 0,360"
# 55 :^o liar: a long nose
pic 55 "$(frame 0.9 0 4 "$(face)$(dot "$INK" 26 28 4)$(dot "$INK" 46 28 4)$(line 'M 28,52 Q 36,46 44,52')")" \
  "$(shape '#FFC21F' 'M 36,34 L 70,37 Q 72,40 70,42 L 36,44 Z' "$OUT" 3)"
# 56 b-( beat up: a black eye, a plaster, a frown
pic 56 "$(face)" "fill '#6A3A9A' stroke none ellipse 26,30 10,10 0,360" "$(dot "$INK" 26 30 3)" "$(dot "$INK" 46 29 4)" \
  "$(shape "$WHITE" 'M 38,8 L 58,16 L 55,22 L 35,14 Z' '#808080' 2)" \
  "$(line 'M 23,55 Q 36,44 49,55')"
# 57 :)>- peace: the peace sign
pic 57 "fill '#4FB8FF' stroke '#1A4A9A' stroke-width 5 circle 36,36 36,6" "fill '#FFFFFF' stroke none circle 36,36 36,13" \
  "$(line 'M 36,13 L 36,59 M 36,36 L 20,52 M 36,36 L 52,52' '#1A4A9A' 6)" "$(ring '#1A4A9A' 36 36 23 5)"
# 58 [-X shame on you: a wagging finger by a stern face
pic 58 "$(frame 0.8 0 14 "$(face)$(line 'M 18,20 L 31,25 M 54,20 L 41,25' "$INK" 5)$(eyes)$(frown)")" \
  "$(shape "$SKIN" 'M 54,4 Q 60,2 60,8 L 60,36 Q 70,36 70,46 Q 70,62 58,62 Q 48,62 48,50 L 50,38 L 50,8 Q 50,4 54,4 Z' "$SKINOUT" 3)" \
  "$(line 'M 44,4 L 40,10 M 66,4 L 70,10' '#E0A000' 3)"
# 59 \:D/ dancing: arms in the air
pic 59 "$(line 'M 16,44 L 6,12 M 56,44 L 66,12' "$OUT" 10)" "$(line 'M 16,44 L 6,12 M 56,44 L 66,12' "$YEL" 4)" \
  "$(frame 0.82 6 14 "$(face)$(eyes)$(grin)")"
# 60 >:D< hug: arms wrapped round the front
pic 60 "$(frame 0.86 5 0 "$(face)$(line 'M 18,30 Q 25,24 32,30')$(line 'M 40,30 Q 47,24 54,30')$(smile)")" \
  "$(line 'M 6,40 Q 10,66 34,64 M 66,40 Q 62,66 38,64' "$OUT" 11)" \
  "$(line 'M 6,40 Q 10,66 34,64 M 66,40 Q 62,66 38,64' "$YEL" 5)"
# 61 o-> male sign
pic 61 "$(ring "$BLUE" 28 44 18 7)" "$(line 'M 41,31 L 62,10 M 46,10 L 62,10 L 62,26' "$BLUE" 7)"
# 62 o=> a key
pic 62 "fill '#FFC81F' stroke '#8A5A00' stroke-width 4 circle 18,36 18,50" "$(dot "$WHITE" 14 36 4)" \
  "$(shape '#FFC81F' 'M 31,31 L 66,31 L 66,41 L 60,41 L 60,48 L 54,48 L 54,41 L 48,41 L 48,46 L 42,46 L 42,41 L 31,41 Z' '#8A5A00' 3)"
# 63 o-+ female sign
pic 63 "$(ring "$PINK" 36 24 18 7)" "$(line 'M 36,43 L 36,70 M 24,58 L 48,58' "$PINK" 7)"
# 64 (%) yin and yang
pic 64 "fill '$WHITE' stroke '#202020' stroke-width 4 circle 36,36 36,5" \
  "$(shape '#202020' 'M 36,5 A 31,31 0 0,1 36,67 A 15.5,15.5 0 0,1 36,36 A 15.5,15.5 0 0,0 36,5 Z' '#202020' 1)" \
  "$(dot "$WHITE" 36 51 5)" "$(dot '#202020' 36 20 5)"

if [ "${#pictures[@]}" -ne 64 ]; then
  echo "make_smileys.sh: drew ${#pictures[@]} pictures, expected 64" >&2
  exit 1
fi
