 1: 7	WY	why is it said that they had no child?	Because Elisabeth was barren, and they both were now well stricken in years
 1:19	WT	what did the angel say?	I am Gabriel, that stand in the presence of God; and am sent to speak unto thee, and to shew thee these glad tidings.
 1:24	HM	how many months are spoken of?	Five months
 1:28	WH	who said, "Hail, thou that art highly favoured ..."?	The angel
 1:30	WT	what did the angel say unto Mary?	Fear not, Mary: for thou hast found favour with God.
 1:34	WH	who said, "How shall this be ..."?	Mary
 1:35	WH	who said, "The Holy Ghost shall come upon thee ..."?	The angel
 1:38	WT	what did Mary say?	Behold the handmaid of the Lord; be it unto me according to thy word
 1:56	HM	how many months did Mary abide with her?	About three months
 1:60	WH	who said, "Not so; but he shall be called John ..."?	His mother
 2:21	HM	how many days are spoken of?	Eight days
 2:36	HM	how many years are spoken of?	Seven years
 2:37	HM	how many years are spoken of?	Four years
 2:42	HM	how many years are spoken of?	Twelve years
 2:46	HM	how many days are spoken of?	Three days
 2:48	WH	who said, "Son, why hast thou thus dealt with ..."?	His mother
 3: 2	WH	whose son was John?	Zacharias
 3:11	HM	how many coats are spoken of?	Two coats
 3:23	HM	how many years are spoken of?	About thirty years
 3:24	WH	whose son was Matthat?	Levi
 3:25	WH	whose son was Naum?	Esli
 3:26	WH	whose son was Maath?	Mattathias
 3:27	WH	whose son was Zorobabel?	Salathiel
 3:30	WH	whose son was Simeon?	Juda
 3:31	WH	whose son was Mattatha?	Nathan
 3:32	WH	whose son was Jesse?	Obed
 3:33	WH	whose son was Esrom?	Phares
 3:37	WH	whose son was Maleleel?	Cainan
 4: 3	WH	who said, "If thou be the Son of God ..."?	The devil
 4: 8	WH	who said, "Get thee behind me ..."?	Jesus
 4:43	WH	who said, "I must preach the kingdom of God to ..."?	Jesus
 5: 4	WH	who said, "Launch out into the deep ..."?	Jesus
 5:10	WH	to whom did Jesus say, "Fear not; from henceforth thou shalt catch men ..."?	Simon
 5:19	WY	why is it said that when they could not find by what way they might bring him in?	Because of the multitude, they went upon the housetop, and let him down through the tiling with his couch into the midst before Jesus
 6: 2	WH	who said, "Why do ye that which is not lawful ..."?	Certain of the Pharisees
 6: 9	WH	who said, "I will ask you one thing ..."?	Jesus
 6:10	WH	who said, "Stretch forth thy hand ..."?	Jesus
 7:22	WH	who said, "Go your way, and tell John what things ..."?	Jesus
 7:40	WH	who said, "Simon, I have somewhat to say unto thee ..."?	Jesus
 7:43	WH	who said, "I suppose that he ..."?	Simon
 7:44	WH	to whom did Jesus say, "Seest thou this ..."?	Simon
 8: 2	HM	how many devils are spoken of?	Seven devils
 8:22	WH	who said, "Let us go over unto the other side ..."?	Jesus
 8:43	HM	how many years are spoken of?	Twelve years
 9:13	HM	how many loaves are spoken of?	Five loaves
 9:17	HM	how many baskets are spoken of?	Twelve baskets
 9:30	HM	how many men are spoken of?	Two men
 9:32	HM	how many men are spoken of?	Two men
 9:50	WH	who said, "Forbid him not: for he that is not ..."?	Jesus
 9:53	WY	why is it said that they did not receive him?	Because his face was as though he would go to Jerusalem
 9:57	WT	what did a certain man say?	Lord, I will follow thee whithersoever thou goest.
 9:58	WH	who said, "Foxes have holes, and birds of the air ..."?	Jesus
 9:60	WT	what did Jesus say?	Let the dead bury their dead: but go thou and preach the kingdom of God.
 9:62	WT	what did Jesus say?	No man, having put his hand to the plough, and looking back, is fit for the kingdom of God.
10:30	WT	what did Jesus say?	A certain man went down from Jerusalem to Jericho, and fell among thieves, which stripped him of his raiment, and wounded him, and departed, leaving him half dead.
10:35	HM	how many pence are spoken of?	Two pence
10:41	WT	what did Jesus say unto Martha?	Martha, Martha, thou art careful and troubled about many things:
11: 1	WH	who said, "Lord, teach us to pray ..."?	His disciples
11: 2	WH	who said, "When ye pray, say ..."?	Jesus
12: 6	HM	how many sparrows are spoken of?	Five sparrows
12:41	WT	what did Peter say?	Lord, speakest thou this parable unto us, or even to all?
12:42	WT	what did the Lord say?	Who then is that faithful and wise steward, whom his lord shall make ruler over his household, to give them their portion of meat in due season?
13: 2	WH	who said, "Suppose ye that these Galilaeans were sinners above ..."?	Jesus
13:11	HM	how many years are spoken of?	Eighteen years
13:16	HM	how many years are spoken of?	Eighteen years
13:21	HM	how many measures are spoken of?	Three measures
14:23	WH	to whom did the lord say, "Go out into the highways and hedges ..."?	The servant
15: 8	HM	how many pieces are spoken of?	Ten pieces
16: 5	WH	who said, "How much owest thou unto my ..."?	Jesus
16: 6	HM	how many measures are spoken of?	An hundred measures
16: 7	HM	how many measures are spoken of?	An hundred measures
16: 8	WY	why is it said that the lord commended the unjust steward?	Because he had done wisely
16:13	HM	how many masters are spoken of?	Two masters
17: 1	WH	who said, "It is impossible but that offences will come ..."?	Jesus
17: 4	HM	how many times are spoken of?	Seven times
17: 6	WT	what did the Lord say?	If ye had faith as a grain of mustard seed, ye might say unto this sycamine tree, Be thou plucked up by the root, and be thou planted in the sea; and it should obey you.
17:17	WT	what did Jesus say?	Were there not ten cleansed? but where are the nine?
17:22	WH	to whom did Jesus say, "The days will come ..."?	The disciples
17:34	HM	how many men are spoken of?	Two men
18: 6	WH	who said, "Hear what the unjust judge saith ..."?	The Lord
18:16	WT	what did Jesus say?	Suffer little children to come unto me, and forbid them not: for of such is the kingdom of God.
18:19	WH	who said, "Why callest thou me ..."?	Jesus
18:28	WT	what did Peter say?	Lo, we have left all, and followed thee.
18:42	WT	what did Jesus say?	Receive thy sight: thy faith hath saved thee.
19:13	HM	how many servants are spoken of?	Ten servants
19:16	HM	how many pounds are spoken of?	Ten pounds
19:18	HM	how many pounds are spoken of?	Five pounds
19:19	HM	how many cities are spoken of?	Five cities
19:24	HM	how many pounds are spoken of?	Ten pounds
19:25	HM	how many pounds are spoken of?	Ten pounds
19:40	WH	who said, "I tell you that ..."?	Jesus
20: 8	WT	what did Jesus say?	Neither tell I you by what authority I do these things.
20:29	HM	how many brethren are spoken of?	Seven brethren
20:39	WT	what did the scribes say?	Master, thou hast well said.
21: 2	HM	how many mites are spoken of?	Two mites
22:14	HM	how many apostles are spoken of?	Twelve apostles
22:15	WH	to whom did Jesus say, "With desire I have desired to eat this ..."?	The twelve
22:40	WH	to whom did Jesus say, "Pray that ye enter not into temptation ..."?	His disciples
22:48	WT	what did Jesus say?	Judas, betrayest thou the Son of man with a kiss?
22:56	WT	what did a certain maid say?	This man was also with him.
22:60	WT	what did Peter say?	Man, I know not what thou sayest
23: 3	WH	who said, "Thou sayest it ..."?	Pilate
23:34	WH	who said, "Father, forgive them; for they know not what ..."?	Jesus
