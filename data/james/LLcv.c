 1: 1	HM	how many tribes are spoken of?	Twelve tribes
 1: 2	WH	to whom did James write, "My brethren, count it all joy when ye ..."?	His brethren
 1:11	FN	finish this: For the sun is no sooner risen with a burning heat, but ...?	it withereth the grass, and the flower thereof falleth, and the grace of the fashion of it perisheth: so also shall the rich man fade away in his ways.
 1:19	WH	to whom did James write, "Wherefore, my beloved brethren ..."?	His beloved brethren
 2: 5	WH	to whom did James write, "Hearken, my beloved brethren ..."?	His beloved brethren
 2: 6	FN	finish this: But ye have despised the poor. Do ...?	not rich men oppress you, and draw you before the judgment seats?
 2:25	FN	finish this: Likewise also was not Rahab the harlot justified by ...?	works, when she had received the messengers, and had sent them out another way?
 3: 1	WH	to whom did James write, "My brethren, be not many masters ..."?	His brethren
 3: 2	FN	finish this: For in many things we offend all. If any man offend ...?	not in word, the same is a perfect man, and able also to bridle the whole body.
 3: 3	FN	finish this: Behold, we put bits in the horses' mouths ...?	that they may obey us; and we turn about their whole body.
 3: 9	FN	finish this: Therewith bless we God, even the Father; and ...?	therewith curse we men, which are made after the similitude of God.
 3:15	FN	finish this: This wisdom descendeth not ...?	from above, but is earthly, sensual, devilish.
 5: 1	WH	to whom did James write, "Go to now, ye rich men ..."?	The rich men
 5: 2	FN	finish this: Your riches are ...?	corrupted, and your garments are motheaten.
 5: 8	FN	finish this: Be ye also patient; stablish your ...?	hearts: for the coming of the Lord draweth nigh.
 5: 9	WH	to whom did James write, "Grudge not one against another ..."?	The brethren
 5:15	FN	finish this: And the prayer of faith shall save the sick, and ...?	the Lord shall raise him up; and if he have committed sins, they shall be forgiven him.
 5:16	FN	finish this: Confess your faults one to another, and pray one for ...?	another, that ye may be healed. The effectual fervent prayer of a righteous man availeth much.
 5:17	HM	how many years are spoken of?	Three years
