// Which goods of each shop stand alone and which in piles of five; the rest stand in piles of
// three. Big things stand alone, small things in piles (content/STYLE.md, Items, says how many
// of each a shop needs).
#include "ShopDesigns.h"

#include <sstream>

namespace contentgen {

namespace {

// Item names (singular, as in the catalogue) separated by "; ".
struct Choice {
    const char* fives;
    const char* singles;
};

const Choice Choices[12] = {
    {"apple; onion; chilli pepper; chestnut",
        "watermelon; pineapple; fresh fish; corncob; lemon; strawberry; juice box; jar of honey; "
        "coconut; melon; steak; bowl of salad; wedge of cheese; head of broccoli; glass of milk; "
        "ham on the bone; bowl of rice; bowl of cereal; bowl of noodles; head of lettuce; "
        "pot of stew; plate of curry; takeaway box; pack of butter; piece of sushi; ginger root"},
    {"cookie; pretzel; bagel; fortune cookie",
        "birthday cake; slice of pizza; burger; cup of coffee; ice cream cone; slice of cake; "
        "strawberry; jar of jam; teapot; pie; sandwich; hot dog; tub of popcorn; glass of milk; "
        "plate of spaghetti; plate and cutlery; baby bottle; kitchen timer; honey pot; sundae; "
        "fondue pot; bubble tea; gourd cup; moon cake; stuffed pitta; shaved ice"},
    {"balloon; die; nesting doll; mahjong tile",
        "teddy bear; kite; rocket; robot; fire engine; toy aeroplane; roller skate; toy trumpet; "
        "toy castle; toy ship; helicopter; tractor; toy lorry; toy elephant; circus tent; dartboard; "
        "piñata; racing car; scooter; superhero figure; toy ferris wheel; carousel horse; toy slide; "
        "genie figure; carp streamer; flying saucer"},
    {"tulip; four-leaf clover; fallen leaf; blowing leaf",
        "fir tree; tree; potted plant; cactus; sunflower; frog; duck; tortoise; bouquet; basket; "
        "log; rock; rooster; squirrel; owl; fox; dove; hibiscus; lizard; sprig of herbs; fountain; "
        "badger; pine arrangement; bamboo branch; nest with eggs; sheaf of wheat"},
    {"tennis ball; bronze medal; shuttlecock; curling stone",
        "bicycle; trophy; skateboard; fishing rod; bowling set; boxing glove; swimsuit; "
        "pair of goggles; tent; rucksack; golf flag; ice skate; pair of sports shorts; stopwatch; "
        "goal net; sled; pair of skis; bow and arrow; cricket bat; hockey stick; motorbike; kayak; "
        "parachute; judo suit; lacrosse stick; ice hockey stick"},
    {"pair of socks; lipstick; bow; safety pin",
        "coat; dress; handbag; pair of jeans; T-shirt; shopping bag; ball of wool; sewing needle; "
        "backpack; crown; shirt and tie; sun hat; blouse; pair of scissors; kimono; suitcase; "
        "briefcase; mirror; umbrella; top hat; sari; white coat; open umbrella; folding fan; "
        "graduation cap; clutch bag"},
    {"pencil; musical note; drawing pin; safety pin",
        "guitar; keyboard; violin; drum; saxophone; paint palette; camera; film projector; banjo; "
        "accordion; framed picture; theatre mask; bell; green book; clapperboard; paint bucket; "
        "clay vase; loudspeaker; studio microphone; scroll; stone bust; mirror ball; post horn; "
        "hand drum; flute; roll of film"},
    {"key; nut and bolt; cog; flat battery",
        "ladder; toolbox; bucket; broom; saw; cardboard box; laundry basket; set square; toilet; "
        "chair; trolley; bin; axe; hi-vis vest; door; bath; barrier; fire extinguisher; wheel; "
        "shower head; window; oil drum; pair of scales; plunger; mousetrap; water pistol"},
    {"shell; pair of swimming trunks; tropical fish; oyster",
        "palm tree; beach umbrella; sailing boat; watermelon; bucket; kite; camera; fish hook; "
        "whale; shark; ring buoy; flamingo; anchor; fishing rod; speedboat; canoe; penguin; "
        "sunset postcard; beach postcard; hibiscus; blue whale; desert island; motor boat; swan; "
        "otter; seal"},
    {"battery; CD; magnet; floppy disk",
        "television; computer; laptop; radio; telephone; alarm clock; ID card; robot arm; printer; "
        "telescope; microscope; robot; keyboard; video camera; satellite dish; film camera; "
        "traffic light; mantel clock; abacus; speaker; projector; fax machine; arcade machine; "
        "satellite; flashing light; trackball"},
    {"egg; spoon; toothbrush; drawing pin",
        "pile of books; parcel; newspaper; loaf of bread; bottle of milk; toilet roll; cookie; "
        "lottery ticket; chair; teapot; open book; tin of soup; croissant; tub of popcorn; "
        "frying pan; mirror; calendar; ledger; juice box; wedge of cheese; bento box; jar; "
        "salt shaker; card index; rolled newspaper; kitchen knife"},
    {"balloon; jingle bell; gold coin; red envelope",
        "Christmas tree; present; teddy bear; bouquet; money bag; snowman; birthday cake; piñata; "
        "unicorn; Father Christmas figure; crystal ball; paper lantern; hourglass; picture frame; "
        "globe; mantel clock; rainbow; vase; nesting doll; firework; peacock figure; "
        "moon viewing set; stone head; statue souvenir; tower souvenir; oil lamp"},
};

std::vector<std::string> split(const char* names)
{
    std::vector<std::string> out;
    std::istringstream in(names);
    for (std::string name; std::getline(in >> std::ws, name, ';');)
        out.push_back(name);
    return out;
}

} // namespace

PileChoice pileChoice(int shop)
{
    const Choice& choice = Choices[shop >= 1 && shop <= 12 ? shop - 1 : 11];
    return {split(choice.fives), split(choice.singles)};
}

} // namespace contentgen
