// The game's story: the prologue, the briefing, the eight stage openings and the eight
// stage closings, as they scroll on their screens.
#pragma once

#include <array>
#include <string_view>

namespace cindervane::assetgen {

struct StoryText {
    std::string_view file;
    bool overTitle;            // scrolled over the title picture with the colour key
    std::string_view heading;  // drawn larger, in the flame colour; may be empty
    std::string_view body;     // paragraphs separated by blank lines ("\n\n")
};

inline constexpr std::array kStoryTexts = {
    StoryText{"O0006.BAI", true, "",
              "YEAR 2291.\n\n"
              "FOR A HUNDRED YEARS THE WORLDS OF THE SUN LIVED IN PEACE. SHIPS CARRIED ICE "
              "FROM THE RINGS, ORE FROM THE RED DESERTS AND SONGS FROM ONE HARBOUR TO THE "
              "NEXT.\n\n"
              "THEN A SIGNAL CAME FROM BEYOND PLUTO: A COLD VOICE OF NUMBERS THAT NO ONE "
              "COULD ANSWER.\n\n"
              "ONE BY ONE THE OUTER STATIONS FELL SILENT. OUT OF THE DARK CAME THE OMEGA "
              "ARMADA, A FLEET OF MACHINES THAT BUILDS ITSELF FROM EVERY WORLD IT TAKES.\n\n"
              "NEPTUNUS FELL. THEN URANUS, SATURNUS AND JUPITER. THE HOME FLEET MET THEM "
              "ABOVE MARS AND WAS SCATTERED LIKE SPARKS.\n\n"
              "NOW THE MACHINES HANG OVER EARTH.\n\n"
              "ONE CARRIER STILL FLIES. ONE SQUADRON STILL ANSWERS THE CALL.\n\n"
              "ITS NAME IS CINDERVANE."},
    StoryText{"O0017.BAI", false, "BRIEFING",
              "PILOT, LISTEN WELL.\n\n"
              "FROM THE WRECKS OF THE HOME FLEET OUR ENGINEERS HAVE BUILT ONE LAST FIGHTER: "
              "THE RED PHOENIX. IT IS FAST, IT IS LIGHT, AND IT CARRIES A HYPER BEAM THAT "
              "NO MACHINE HAS SEEN BEFORE.\n\n"
              "YOUR ORDERS: BREAK THE BLOCKADE OVER EARTH. THEN FLY OUTWARD, THROUGH SPACE, "
              "MARS, JUPITER, SATURNUS, URANUS AND NEPTUNUS, AND STRIKE THE HEART OF THE "
              "ARMADA IN ITS NEST ON PLUTO.\n\n"
              "EVERY MACHINE YOU BRING DOWN SPILLS COINS OF PURE METAL. COLLECT THEM. "
              "BETWEEN BATTLES OUR SHIPWRIGHTS WILL TURN THEM INTO GUNS, ARMOR AND "
              "FASTER CHARGE.\n\n"
              "THE SUN IS WATCHING. GOOD HUNTING."},

    StoryText{"O0009.BAI", false, "STAGE 1 - EARTH",
              "THE BLOCKADE HANGS LOW OVER THE OCEAN CITIES. CHOPPER DRONES AND OWLION "
              "FIGHTERS SWEEP THE COAST.\n\n"
              "CLEAR THE SKY AND FIND THEIR FLAGSHIP, THE POSEIDON."},
    StoryText{"O0010.BAI", false, "STAGE 2 - SPACE",
              "BEYOND THE MOON THE RAUDER FORTRESS GUARDS THE ROAD TO MARS. ITS GUNS NEVER "
              "SLEEP.\n\nKEEP MOVING."},
    StoryText{"O0011.BAI", false, "STAGE 3 - MARS",
              "UNDER THE RED DUST LIES A MACHINE SHIPYARD. A SECOND POSEIDON HAS BEEN BUILT "
              "THERE, WITH WINGS THAT FIGHT ON THEIR OWN.\n\n"
              "BREAK THE WINGS FIRST. THEN THE HEART."},
    StoryText{"O0012.BAI", false, "STAGE 4 - JUPITER",
              "YOUR NEW SHIP, THE RED PHOENIX V, HAS ARMOR FORGED FROM THE PLATES OF THE "
              "FALLEN POSEIDONS.\n\n"
              "YOU WILL NEED IT. THE STORMS OF JUPITER HIDE A SWARM OF RIDERS AND "
              "ZAPHONG WEAVERS, AND SOMEWHERE IN THE CLOUDS FLIES THE SILVERHAWK, THE "
              "FASTEST OF THE MACHINE ACES.\n\n"
              "WHEN IT COMES, THE WIND ITSELF WILL HOWL. THE CLOUDS WILL RACE PAST YOU. "
              "DO NOT CHASE IT. LET IT COME TO YOUR GUNS.\n\n"
              "THE CARRIER WILL WAIT FOR YOU ABOVE THE GREAT STORM."},
    StoryText{"O0013.BAI", false, "STAGE 5 - SATURNUS",
              "AMONG THE ICE OF THE RINGS CIRCLES THE WINGED BEAR, A FORTRESS SHAPED LIKE A "
              "BEAST, WITH A HUNDRED GUNS IN ITS WINGS.\n\n"
              "ITS PUPS FLY IN SWARMS. BURN THROUGH THEM."},
    StoryText{"O0014.BAI", false, "STAGE 6 - URANUS",
              "THE RED PHOENIX X IS READY: HEAVIER GUNS, A WIDER BEAM, AND A PILOT WHO HAS "
              "SEEN FIVE WORLDS BURN.\n\n"
              "OVER THE PALE SEAS OF URANUS THE THIRD POSEIDON IS WAITING. IT HAS TAKEN "
              "EVERYTHING THE FIRST TWO LEARNED: WINGS, ENGINE TOWERS AND ARMOR LIKE A "
              "MOUNTAIN.\n\n"
              "TAKE IT APART PIECE BY PIECE.\n\n"
              "THE COLD IS DEEP HERE. KEEP YOUR ENGINES HOT."},
    StoryText{"O0015.BAI", false, "STAGE 7 - NEPTUNUS",
              "IN THE BLUE DARK OF NEPTUNUS SLEEPS THE DEATHBRINGER, THE GREATEST WARSHIP "
              "OF THE ARMADA.\n\n"
              "IT IS AWAKE NOW. IT KNOWS YOUR NAME."},
    StoryText{"O0016.BAI", false, "STAGE 8 - PLUTO",
              "THE NEST OF THE ARMADA. HERE THE OMEGA CORE BUILDS ITS MACHINES, AND HERE "
              "ALPHA ZERO GUARDS IT.\n\n"
              "THIS IS THE LAST FLIGHT. MAKE IT COUNT."},

    StoryText{"O0068.BAI", false, "",
              "THE POSEIDON FALLS INTO THE SEA.\n\n"
              "EARTH CAN BREATHE AGAIN. THE CARRIER TURNS TOWARD THE MOON."},
    StoryText{"O0069.BAI", false, "",
              "THE RAUDER FORTRESS BREAKS APART.\n\nTHE ROAD TO MARS IS OPEN."},
    StoryText{"O0070.BAI", false, "",
              "THE SHIPYARD BURNS.\n\n"
              "FROM ITS WRECKAGE OUR SHIPWRIGHTS PULL THE PLATES FOR A STRONGER SHIP: THE "
              "RED PHOENIX V."},
    StoryText{"O0007.BAI", false, "",
              "THE SILVERHAWK SPINS DOWN INTO THE GREAT STORM AND IS GONE.\n\n"
              "THE CLOUDS OF JUPITER CLOSE OVER IT. FOR THE FIRST TIME, THE ARMADA PULLS "
              "BACK."},
    StoryText{"O0008.BAI", false, "",
              "THE WINGED BEAR IS SILENT.\n\nIN THE HANGAR, THE RED PHOENIX X AWAKES."},
    StoryText{"O0071.BAI", false, "", "THE LAST POSEIDON SINKS INTO THE PALE SEA."},
    StoryText{"O0072.BAI", false, "",
              "THE DEATHBRINGER BREAKS IN TWO.\n\n"
              "AHEAD, IN THE COLD LIGHT OF A DISTANT SUN, THE NEST OF THE ARMADA IS "
              "WAITING."},
    StoryText{"O0073.BAI", false, "",
              "THE OMEGA CORE GOES DARK.\n\n"
              "ACROSS THE WORLDS OF THE SUN, THE MACHINES FALL STILL. YOU ARE GOING HOME."},
};

}  // namespace cindervane::assetgen
