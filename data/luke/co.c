 1: 7	WY	why is it said that they had no child?	Because Elisabeth was barren, and they both were now well stricken in years
 1:19	WH	who said, "I am Gabriel, that stand in the presence ..."?	The angel
 1:28	WH	who said, "Hail, thou that art highly favoured ..."?	The angel
 1:30	WH	to whom did the angel say, "Fear not, Mary: for thou hast found favour ..."?	Mary
 1:34	WH	who said, "How shall this be ..."?	Mary
 1:35	WH	who said, "The Holy Ghost shall come upon thee ..."?	The angel
 1:38	WH	who said, "Behold the handmaid of the Lord ..."?	Mary
 1:60	WH	who said, "Not so; but he shall be called John ..."?	His mother
 2:48	WH	who said, "Son, why hast thou thus dealt with ..."?	His mother
 3: 2	WH	whose son was John?	Zacharias
 3:23	WH	whose son was Joseph?	Heli
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
 5:10	WH	who said, "Fear not; from henceforth thou shalt catch men ..."?	Jesus
 5:19	WY	why is it said that when they could not find by what way they might bring him in?	Because of the multitude, they went upon the housetop, and let him down through the tiling with his couch into the midst before Jesus
 6: 2	WH	who said, "Why do ye that which is not lawful ..."?	Certain of the Pharisees
 6: 9	WH	who said, "I will ask you one thing ..."?	Jesus
 6:10	WH	who said, "Stretch forth thy hand ..."?	Jesus
 7:22	WH	who said, "Go your way, and tell John what things ..."?	Jesus
 7:40	WH	who said, "Simon, I have somewhat to say unto thee ..."?	Jesus
 7:43	WH	who said, "I suppose that he ..."?	Simon
 7:44	WH	to whom did Jesus say, "Seest thou this ..."?	Simon
 8:22	WH	who said, "Let us go over unto the other side ..."?	Jesus
 9:13	WH	who said, "Give ye them to eat ..."?	Jesus
 9:50	WH	who said, "Forbid him not: for he that is not ..."?	Jesus
 9:53	WY	why is it said that they did not receive him?	Because his face was as though he would go to Jerusalem
 9:57	WH	who said, "Lord, I will follow thee whithersoever thou goest ..."?	A certain man
 9:58	WH	who said, "Foxes have holes, and birds of the air ..."?	Jesus
 9:60	WH	who said, "Let the dead bury their dead ..."?	Jesus
 9:62	WH	who said, "No man, having put his hand to the ..."?	Jesus
10:30	WH	who said, "A certain man went down from Jerusalem to ..."?	Jesus
10:41	WH	who said, "Martha, Martha, thou art careful and troubled about ..."?	Jesus
11: 1	WH	who said, "Lord, teach us to pray ..."?	His disciples
11: 2	WH	who said, "When ye pray, say ..."?	Jesus
12:41	WH	who said, "Lord, speakest thou this parable unto us ..."?	Peter
12:42	WH	who said, "Who then is that faithful and wise steward ..."?	The Lord
13: 2	WH	who said, "Suppose ye that these Galilaeans were sinners above ..."?	Jesus
14:23	WH	to whom did the lord say, "Go out into the highways and hedges ..."?	The servant
16: 5	WH	who said, "How much owest thou unto my ..."?	Jesus
16: 8	WY	why is it said that the lord commended the unjust steward?	Because he had done wisely
17: 1	WH	who said, "It is impossible but that offences will come ..."?	Jesus
17: 6	WH	who said, "If ye had faith as a grain of ..."?	The Lord
17:17	WH	who said, "Were there not ten ..."?	Jesus
17:22	WH	to whom did Jesus say, "The days will come ..."?	The disciples
18: 6	WH	who said, "Hear what the unjust judge saith ..."?	The Lord
18:16	WH	who said, "Suffer little children to come unto me ..."?	Jesus
18:19	WH	who said, "Why callest thou me ..."?	Jesus
18:28	WH	who said, "Lo, we have left all ..."?	Peter
18:42	WH	who said, "Receive thy sight: thy faith hath saved thee ..."?	Jesus
19:40	WH	who said, "I tell you that ..."?	Jesus
20: 8	WH	who said, "Neither tell I you by what authority I ..."?	Jesus
20:39	WH	who said, "Master, thou hast well said ..."?	The scribes
22:15	WH	to whom did Jesus say, "With desire I have desired to eat this ..."?	The twelve
22:40	WH	to whom did Jesus say, "Pray that ye enter not into temptation ..."?	His disciples
22:48	WH	who said, "Judas, betrayest thou the Son of man with ..."?	Jesus
22:56	WH	who said, "This man was also with him ..."?	A certain maid
22:60	WH	who said, "Man, I know not what thou sayest ..."?	Peter
23: 3	WH	who said, "Thou sayest it ..."?	Pilate
23:34	WH	who said, "Father, forgive them; for they know not what ..."?	Jesus
